#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/kit/IndexPath.h"
#include "platform/kit/ScrollViewDelegate.h"

namespace kit {

class TableView;
class TableViewCell;
class View;

// Sizes a table's rows and headers and hears of touches; every operation is optional. It is
// also the table's scroll-view delegate.
class TableViewDelegate : public ScrollViewDelegate {
  public:
    // Empty: the table's rowHeight.
    virtual std::optional<double> heightForRow(TableView& /*tableView*/, IndexPath /*indexPath*/) {
        return std::nullopt;
    }
    // Empty: the table's sectionHeaderHeight. A header of height zero is not shown.
    virtual std::optional<double> heightForHeader(TableView& /*tableView*/,
                                                  std::int64_t /*section*/) {
        return std::nullopt;
    }
    // Asked each time the header comes into view.
    virtual std::shared_ptr<View> viewForHeader(TableView& /*tableView*/,
                                                std::int64_t /*section*/) {
        return nullptr;
    }
    virtual void willDisplayCell(TableView& /*tableView*/, TableViewCell& /*cell*/,
                                 IndexPath /*indexPath*/) {}
    virtual void didHighlightRow(TableView& /*tableView*/, IndexPath /*indexPath*/) {}
    virtual void didUnhighlightRow(TableView& /*tableView*/, IndexPath /*indexPath*/) {}
    virtual void didSelectRow(TableView& /*tableView*/, IndexPath /*indexPath*/) {}
};

}  // namespace kit
