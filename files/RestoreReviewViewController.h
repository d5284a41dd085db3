#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/kit/TableView.h"
#include "platform/kit/ViewController.h"
#include "store/RestoreReview.h"

namespace kelvora {

// What restoring a Setup would do, before it is done: the Setup's entries in three groups
// against the live Preferences folder ("Will Change", "Will Be Added", "Already the Same"),
// each group only when it has entries. An entry that will change opens its keys. The toolbar
// cancels (back to the Setup) or starts the restore, which the Setup's screen runs as its own.
class RestoreReviewViewController final : public kit::ViewController,
                                          public kit::TableViewDataSource,
                                          public kit::TableViewDelegate {
    struct Token {
        explicit Token() = default;
    };

  public:
    using Restore = std::function<void()>;

    RestoreReviewViewController(Token, std::string setupFolder, std::string preferencesFolder,
                                Restore restore);
    static std::shared_ptr<RestoreReviewViewController> make(std::string setupFolder,
                                                             std::string preferencesFolder,
                                                             Restore restore);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void cancelReview();
    void startRestore();

    std::int64_t numberOfSections(kit::TableView& tableView) override;
    std::int64_t numberOfRows(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::TableViewCell> cellForRow(kit::TableView& tableView,
                                                   kit::IndexPath indexPath) override;
    std::optional<double> heightForHeader(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::View> viewForHeader(kit::TableView& tableView,
                                             std::int64_t section) override;
    void didSelectRow(kit::TableView& tableView, kit::IndexPath indexPath) override;

    std::string className() const override { return "RestoreReviewViewController"; }

  private:
    struct Group final {
        std::string title;
        const std::vector<std::string>* names;
        const char* symbol;
        const char* subtitle;
        bool opensKeys;
    };

    void defineActions();
    void layoutToolbar();
    const Group& groupAt(std::int64_t section) const;

    std::string setupFolder_;
    std::string preferencesFolder_;
    Restore restore_;
    RestoreReview review_;
    std::vector<Group> groups_;
};

}  // namespace kelvora
