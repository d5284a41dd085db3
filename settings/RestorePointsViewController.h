#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/kit/Label.h"
#include "platform/kit/TableView.h"
#include "platform/kit/ViewController.h"
#include "store/RestorePoint.h"

namespace kelvora {

// The restore points, newest first, each as what was restored, when and how many files; a
// damaged point says so. Tapping a point asks what to do with it: put it back (undoing that
// restore, itself leaving a new point) or delete it; a damaged point can only be deleted. The
// list is read from disk again after every change.
class RestorePointsViewController final : public kit::ViewController,
                                          public kit::TableViewDataSource,
                                          public kit::TableViewDelegate {
    struct Token {
        explicit Token() = default;
    };

  public:
    static constexpr double kRowHeight = 75;

    explicit RestorePointsViewController(Token) {}
    static std::shared_ptr<RestorePointsViewController> make();

    const std::vector<RestorePoint>& points() const { return points_; }

    void viewDidLoad() override;
    void reloadPoints();
    void dismissVC();
    void showActionsOfPoint(const RestorePoint& point);
    void putBack(const RestorePoint& point);
    void deletePoint(const RestorePoint& point);

    std::int64_t numberOfRows(kit::TableView& tableView, std::int64_t section) override;
    std::shared_ptr<kit::TableViewCell> cellForRow(kit::TableView& tableView,
                                                   kit::IndexPath indexPath) override;
    void didSelectRow(kit::TableView& tableView, kit::IndexPath indexPath) override;

    std::string className() const override { return "RestorePointsViewController"; }

  private:
    void defineActions();
    void layoutTableView();
    void layoutNoResultLabel();

    std::vector<RestorePoint> points_;
    std::shared_ptr<kit::TableView> tableView_;
    std::shared_ptr<kit::Label> noResultLabel_;
};

}  // namespace kelvora
