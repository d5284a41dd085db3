#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/kit/LayoutAnchor.h"
#include "platform/kit/LinearSystem.h"

namespace kit {

class View;
class LayoutConstraint;

// Works out the frames of a whole view hierarchy from its constraints.
//
// Guarantees:
// - Each axis is one system of linear equations in two unknowns per view (its position
//   in the root's coordinates and its size), solved by substitution. Horizontal first,
//   so a view whose height depends on its width (a wrapping label) is measured at its
//   solved width.
// - Order of precedence: the root keeps its frame; views that translate their frame
//   into constraints keep theirs (relative to their superview); then the active
//   constraints, in the order they were activated; then intrinsic sizes, for sizes still
//   open; then anything still open keeps its current frame. So every view gets a frame.
// - A constraint that contradicts those before it is dropped for the pass and logged
//   once; the layout goes on without it. Nothing here throws or aborts.
// - Inside a scroll view, the edges of the scroll view in a constraint with one of its
//   descendants mean the edges of its content; width, height and centres mean its frame.
//   The solved content edges become the scroll view's content size.
//
// Refuses (by design, for a small solver): inequalities, priorities below required,
// multipliers, a dimension equated with one of the other axis (logged and dropped),
// and constraints whose views are not in the hierarchy being solved (they
// are skipped). The safe-area guide uses the insets of the view's frame before the pass.
// Solved sizes below zero are laid out as zero.
class LayoutSolver final {
  public:
    explicit LayoutSolver(std::shared_ptr<View> root);
    void solve();

  private:
    struct Solution {
        std::vector<double> position;
        std::vector<double> size;
        std::map<int, double> content;
    };

    void collect(const std::shared_ptr<View>& view, int parent);
    Solution solveAxis(LayoutAxis axis);
    void addFixedFrames(LinearSystem& system, LayoutAxis axis) const;
    void addConstraints(LinearSystem& system, LayoutAxis axis);
    static void report(LayoutConstraint& constraint, const std::string& reason);
    void addIntrinsicSizes(LinearSystem& system, LayoutAxis axis) const;
    void keepCurrentFrames(LinearSystem& system, LayoutAxis axis);
    bool addAnchor(LinearSystem::Terms& terms, double& constant, const LayoutAnchor& anchor,
                   double sign, const View* other);
    void addFrameAnchor(LinearSystem::Terms& terms, double& constant, const LayoutAnchor& anchor,
                        int index, double sign) const;
    void apply(const Solution& horizontal, const Solution& vertical);

    static int positionOf(int index) { return 3 * index; }
    static int sizeOf(int index) { return 3 * index + 1; }
    static int contentOf(int index) { return 3 * index + 2; }

    std::vector<std::shared_ptr<View>> views_;  // root first, then depth-first
    std::vector<int> parents_;
    std::map<const View*, int> indexOf_;
    std::vector<std::shared_ptr<LayoutConstraint>> constraints_;
    std::map<int, bool> usesContent_;  // scroll views whose content a constraint refers to
    std::vector<double> solvedWidths_;
};

}  // namespace kit
