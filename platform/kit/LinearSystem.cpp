#include "platform/kit/LinearSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kit {

namespace {

// Layout works in points; errors this small are rounding, not contradiction.
constexpr double epsilon = 1e-7;

void addScaled(LinearSystem::Terms& into, const LinearSystem::Terms& terms, double factor) {
    for (const auto& [variable, coefficient] : terms) {
        double sum = into[variable] + factor * coefficient;
        if (std::abs(sum) < epsilon) {
            into.erase(variable);
        } else {
            into[variable] = sum;
        }
    }
}

}  // namespace

// Works on `terms + constant = 0` form: replaces pivots by their rows.
void LinearSystem::substitute(Terms& terms, double& constant) const {
    Terms result;
    for (const auto& [variable, coefficient] : terms) {
        auto row = rows_.find(variable);
        if (row == rows_.end()) {
            addScaled(result, {{variable, coefficient}}, 1);
        } else {
            addScaled(result, row->second.terms, coefficient);
            constant += coefficient * row->second.constant;
        }
    }
    terms = std::move(result);
}

// The variable that fewest rows use is the cheapest to substitute out: a new position
// rather than a size that a whole chain of positions depends on. Tiny coefficients are
// passed over, so that the division stays well-conditioned.
int LinearSystem::choosePivot(const Terms& terms) const {
    double largest = 0;
    for (const auto& [variable, coefficient] : terms) {
        largest = std::max(largest, std::abs(coefficient));
    }
    int best = terms.begin()->first;
    std::size_t fewestUsers = SIZE_MAX;
    for (const auto& [variable, coefficient] : terms) {
        if (std::abs(coefficient) < 0.1 * largest) {
            continue;
        }
        auto users = rowsUsing_.find(variable);
        std::size_t count = users == rowsUsing_.end() ? 0 : users->second.size();
        if (count < fewestUsers) {
            fewestUsers = count;
            best = variable;
        }
    }
    return best;
}

LinearSystem::Outcome LinearSystem::add(const Terms& terms, double constant) {
    // Not a number contradicts every value, and would spread to every variable it touches.
    if (!std::isfinite(constant)) {
        return Outcome::conflicting;
    }
    Terms reduced = terms;
    double offset = -constant;
    substitute(reduced, offset);
    if (reduced.empty()) {
        return std::abs(offset) < 1e-6 ? Outcome::redundant : Outcome::conflicting;
    }
    int variable = choosePivot(reduced);
    double coefficient = reduced.at(variable);
    Row row;
    for (const auto& [other, value] : reduced) {
        if (other != variable) {
            row.terms[other] = -value / coefficient;
        }
    }
    row.constant = -offset / coefficient;
    rows_[variable] = row;
    eliminate(variable);
    for (const auto& [other, value] : row.terms) {
        rowsUsing_[other].insert(variable);
    }
    return Outcome::added;
}

void LinearSystem::eliminate(int pivot) {
    auto users = rowsUsing_.find(pivot);
    if (users == rowsUsing_.end()) {
        return;
    }
    const Row& replacement = rows_[pivot];
    for (int user : users->second) {
        Row& row = rows_[user];
        double coefficient = row.terms[pivot];
        row.terms.erase(pivot);
        addScaled(row.terms, replacement.terms, coefficient);
        row.constant += coefficient * replacement.constant;
        for (const auto& [variable, value] : replacement.terms) {
            rowsUsing_[variable].insert(user);
        }
    }
    rowsUsing_.erase(users);
}

bool LinearSystem::isDetermined(int variable) const {
    auto row = rows_.find(variable);
    return row != rows_.end() && row->second.terms.empty();
}

std::optional<double> LinearSystem::value(int variable) const {
    if (!isDetermined(variable)) {
        return std::nullopt;
    }
    return rows_.at(variable).constant;
}

}  // namespace kit
