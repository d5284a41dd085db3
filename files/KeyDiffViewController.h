#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Label.h"
#include "platform/kit/TableView.h"
#include "platform/kit/ViewController.h"
#include "store/PlistDiff.h"

namespace kelvora {

// The keys a restore would change in one preference file, titled with the file's name: the
// changed keys with their old and new values, then the added and the removed ones, each group
// only when it has keys. A file on either side that is not a readable property list, or two
// files whose keys are all equal, show one sentence that says so instead.
class KeyDiffViewController final : public kit::ViewController,
                                    public kit::TableViewDataSource,
                                    public kit::TableViewDelegate {
    struct Token {
        explicit Token() = default;
    };

  public:
    KeyDiffViewController(Token, std::string name, std::string livePath, std::string incomingPath);
    static std::shared_ptr<KeyDiffViewController> make(std::string name, std::string livePath,
                                                       std::string incomingPath);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    std::int64_t numberOfSections(kit::TableView& tableView) override;
    std::int64_t numberOfRows(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::TableViewCell> cellForRow(kit::TableView& tableView,
                                                   kit::IndexPath indexPath) override;
    std::optional<double> heightForHeader(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::View> viewForHeader(kit::TableView& tableView,
                                             std::int64_t section) override;

    std::string className() const override { return "KeyDiffViewController"; }

  private:
    struct Group final {
        std::string title;
        std::vector<KeyChange> changes;
    };

    void groupChanges(const std::vector<KeyChange>& changes);

    std::string name_;
    std::string livePath_;
    std::string incomingPath_;
    std::vector<Group> groups_;
};

}  // namespace kelvora
