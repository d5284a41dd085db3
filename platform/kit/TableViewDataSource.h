#pragma once

#include <cstdint>
#include <memory>

#include "platform/kit/IndexPath.h"

namespace kit {

class TableView;
class TableViewCell;

// Tells a table what it shows. Asked again after each reloadData.
class TableViewDataSource {
  public:
    virtual ~TableViewDataSource() = default;

    virtual std::int64_t numberOfSections(TableView& /*tableView*/) { return 1; }
    virtual std::int64_t numberOfRows(TableView& tableView, std::int64_t section) = 0;
    // Usually a cell from tableView.dequeueReusableCell, configured for the row.
    virtual std::shared_ptr<TableViewCell> cellForRow(TableView& tableView,
                                                      IndexPath indexPath) = 0;
};

}  // namespace kit
