#pragma once

#include <memory>
#include <string>

#include "files/PlistFileCell.h"
#include "platform/kit/TableView.h"
#include "platform/kit/View.h"

namespace kelvora {

// The rows and headings of the review screens: file cards like the Setup's own list, with a
// symbol saying what happens to the row and a chevron on the rows that open more.
namespace ReviewRows {

inline constexpr double kHeaderHeight = 36;

void fill(PlistFileCell& cell, const std::string& title, const std::string& subtitle,
          const char* symbol, bool opensMore);
// A heading over a group of rows, in the secondary text colour.
std::shared_ptr<kit::View> header(const std::string& title);
// The screen's list of file cards under group headings, filling `parent`.
void addTable(kit::View& parent, std::weak_ptr<kit::TableViewDataSource> dataSource,
              std::weak_ptr<kit::TableViewDelegate> delegate);
// The one message a screen shows instead of rows, centred in `parent`.
void addMessage(kit::View& parent, const std::string& text);

}  // namespace ReviewRows

}  // namespace kelvora
