#include "platform/kit/LayoutSolver.h"

#include <algorithm>
#include <tuple>

#include "platform/foundation/Log.h"
#include "platform/kit/LayoutConstraint.h"
#include "platform/kit/ScrollView.h"
#include "platform/kit/View.h"

namespace kit {

namespace {

double along(LayoutAxis axis, Point point) {
    return axis == LayoutAxis::horizontal ? point.x : point.y;
}

double along(LayoutAxis axis, Size size) {
    return axis == LayoutAxis::horizontal ? size.width : size.height;
}

// The safe-area insets at the start and the end of an axis.
std::pair<double, double> insetsAlong(LayoutAxis axis, EdgeInsets insets) {
    if (axis == LayoutAxis::horizontal) {
        return {insets.left, insets.right};
    }
    return {insets.top, insets.bottom};
}

}  // namespace

LayoutSolver::LayoutSolver(std::shared_ptr<View> root) {
    collect(root, -1);
    std::sort(constraints_.begin(), constraints_.end(), [](const auto& a, const auto& b) {
        return a->activationOrder() < b->activationOrder();
    });
}

void LayoutSolver::collect(const std::shared_ptr<View>& view, int parent) {
    int index = static_cast<int>(views_.size());
    views_.push_back(view);
    parents_.push_back(parent);
    indexOf_[view.get()] = index;
    constraints_.insert(constraints_.end(), view->constraints().begin(), view->constraints().end());
    for (const auto& subview : view->subviews()) {
        collect(subview, index);
    }
}

void LayoutSolver::solve() {
    for (const auto& constraint : constraints_) {
        constraint->clearDropped();
    }
    Solution horizontal = solveAxis(LayoutAxis::horizontal);
    solvedWidths_ = horizontal.size;
    Solution vertical = solveAxis(LayoutAxis::vertical);
    apply(horizontal, vertical);
}

LayoutSolver::Solution LayoutSolver::solveAxis(LayoutAxis axis) {
    LinearSystem system;
    usesContent_.clear();
    addFixedFrames(system, axis);
    addConstraints(system, axis);
    addIntrinsicSizes(system, axis);
    keepCurrentFrames(system, axis);
    Solution solution;
    for (std::size_t i = 0; i < views_.size(); ++i) {
        int index = static_cast<int>(i);
        solution.position.push_back(system.value(positionOf(index)).value_or(0));
        solution.size.push_back(system.value(sizeOf(index)).value_or(0));
    }
    for (const auto& [index, used] : usesContent_) {
        solution.content[index] = system.value(contentOf(index)).value_or(0);
    }
    return solution;
}

// The root stays where it is, in its own coordinates, and views positioned by their frame
// stay where their frame puts them.
void LayoutSolver::addFixedFrames(LinearSystem& system, LayoutAxis axis) const {
    std::ignore = system.add({{positionOf(0), 1}}, 0);
    std::ignore = system.add({{sizeOf(0), 1}}, along(axis, views_[0]->frame().size));
    for (std::size_t i = 1; i < views_.size(); ++i) {
        const auto& view = views_[i];
        if (!view->translatesAutoresizingMaskIntoConstraints()) {
            continue;
        }
        int index = static_cast<int>(i);
        std::ignore = system.add({{positionOf(index), 1}, {positionOf(parents_[i]), -1}},
                                 along(axis, view->frame().origin));
        std::ignore = system.add({{sizeOf(index), 1}}, along(axis, view->frame().size));
    }
}

void LayoutSolver::addConstraints(LinearSystem& system, LayoutAxis axis) {
    for (const auto& constraint : constraints_) {
        const LayoutAnchor& first = constraint->firstAnchor();
        if (axisOf(first.attribute()) != axis) {
            continue;
        }
        const auto& second = constraint->secondAnchor();
        auto firstView = first.view();
        auto secondView = second ? second->view() : nullptr;
        LinearSystem::Terms terms;
        double constant = constraint->constant();
        if (second && axisOf(second->attribute()) != axis) {
            report(*constraint, "it relates two axes");
            continue;
        }
        if (!addAnchor(terms, constant, first, 1, secondView.get()) ||
            (second && !addAnchor(terms, constant, *second, -1, firstView.get()))) {
            continue;
        }
        if (system.add(terms, constant) == LinearSystem::Outcome::conflicting) {
            report(*constraint, "it contradicts the constraints before it");
        } else {
            constraint->markHeld();
        }
    }
}

// A constraint the solver leaves out is logged once, not on every pass, until it is
// satisfied again.
void LayoutSolver::report(LayoutConstraint& constraint, const std::string& reason) {
    if (constraint.markDropped()) {
        foundation::Log::write("Unable to satisfy the layout constraint " +
                               constraint.description() + ": " + reason + "; it is dropped");
    }
}

// Adds sign * (the anchor's line in root coordinates) to the left side of an equation
// whose right side is `constant`. `other` is the view at the far end of the constraint.
bool LayoutSolver::addAnchor(LinearSystem::Terms& terms, double& constant,
                             const LayoutAnchor& anchor, double sign, const View* other) {
    auto view = anchor.view();
    auto found = view ? indexOf_.find(view.get()) : indexOf_.end();
    if (found == indexOf_.end()) {
        return false;
    }
    int index = found->second;
    LayoutAttribute attribute = anchor.attribute();
    bool content = anchor.area() == LayoutArea::frame && isEdge(attribute) && other &&
                   other != view.get() && other->isDescendantOf(*view) &&
                   dynamic_cast<const ScrollView*>(view.get()) != nullptr;
    if (!content) {
        addFrameAnchor(terms, constant, anchor, index, sign);
        return true;
    }
    usesContent_[index] = true;
    terms[positionOf(index)] += sign;
    if (attribute == LayoutAttribute::trailing || attribute == LayoutAttribute::bottom) {
        terms[contentOf(index)] += sign;
    }
    return true;
}

// A line of the view's frame, or of its safe-area guide: the frame less the insets.
void LayoutSolver::addFrameAnchor(LinearSystem::Terms& terms, double& constant,
                                  const LayoutAnchor& anchor, int index, double sign) const {
    LayoutAttribute attribute = anchor.attribute();
    auto [start, end] = anchor.area() == LayoutArea::safeArea
                            ? insetsAlong(axisOf(attribute), views_[index]->safeAreaInsets())
                            : std::pair<double, double>{0, 0};
    int position = positionOf(index);
    int size = sizeOf(index);
    switch (attribute) {
        case LayoutAttribute::leading:
        case LayoutAttribute::top:
            terms[position] += sign;
            constant -= sign * start;
            break;
        case LayoutAttribute::trailing:
        case LayoutAttribute::bottom:
            terms[position] += sign;
            terms[size] += sign;
            constant += sign * end;
            break;
        case LayoutAttribute::centerX:
        case LayoutAttribute::centerY:
            terms[position] += sign;
            terms[size] += sign / 2;
            constant -= sign * (start - end) / 2;
            break;
        case LayoutAttribute::width:
        case LayoutAttribute::height:
            terms[size] += sign;
            constant += sign * (start + end);
            break;
    }
}

void LayoutSolver::addIntrinsicSizes(LinearSystem& system, LayoutAxis axis) const {
    for (std::size_t i = 1; i < views_.size(); ++i) {
        const auto& view = views_[i];
        int index = static_cast<int>(i);
        if (view->translatesAutoresizingMaskIntoConstraints() ||
            system.isDetermined(sizeOf(index))) {
            continue;
        }
        double intrinsic = along(axis, view->intrinsicContentSize());
        if (axis == LayoutAxis::vertical) {
            intrinsic = view->heightForWidth(solvedWidths_[i]).value_or(intrinsic);
        }
        if (intrinsic != View::noIntrinsicMetric) {
            std::ignore = system.add({{sizeOf(index), 1}}, intrinsic);
        }
    }
}

// Sizes first: a view that is only centred keeps its size and is moved, not stretched.
void LayoutSolver::keepCurrentFrames(LinearSystem& system, LayoutAxis axis) {
    for (std::size_t i = 1; i < views_.size(); ++i) {
        int index = static_cast<int>(i);
        if (!system.isDetermined(sizeOf(index))) {
            std::ignore = system.add({{sizeOf(index), 1}}, along(axis, views_[i]->frame().size));
        }
    }
    for (const auto& [index, used] : usesContent_) {
        if (!system.isDetermined(contentOf(index))) {
            auto scrollView = std::static_pointer_cast<ScrollView>(views_[index]);
            std::ignore =
                system.add({{contentOf(index), 1}}, along(axis, scrollView->contentSize()));
        }
    }
    for (std::size_t i = 1; i < views_.size(); ++i) {
        int index = static_cast<int>(i);
        if (!system.isDetermined(positionOf(index))) {
            std::ignore = system.add({{positionOf(index), 1}, {positionOf(parents_[i]), -1}},
                                     along(axis, views_[i]->frame().origin));
        }
    }
}

void LayoutSolver::apply(const Solution& horizontal, const Solution& vertical) {
    for (std::size_t i = 1; i < views_.size(); ++i) {
        int parent = parents_[i];
        Rect frame{horizontal.position[i] - horizontal.position[parent],
                   vertical.position[i] - vertical.position[parent],
                   std::max(0.0, horizontal.size[i]), std::max(0.0, vertical.size[i])};
        views_[i]->applySolvedFrame(frame);
    }
    std::map<int, Size> contentSizes;
    for (const auto& [index, width] : horizontal.content) {
        contentSizes[index].width = width;
    }
    for (const auto& [index, height] : vertical.content) {
        contentSizes[index].height = height;
    }
    for (auto [index, size] : contentSizes) {
        auto scrollView = std::static_pointer_cast<ScrollView>(views_[index]);
        Size current = scrollView->contentSize();
        if (!horizontal.content.count(index)) {
            size.width = current.width;
        }
        if (!vertical.content.count(index)) {
            size.height = current.height;
        }
        scrollView->setContentSize({std::max(0.0, size.width), std::max(0.0, size.height)});
    }
}

}  // namespace kit
