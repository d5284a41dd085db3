#pragma once

#include <map>
#include <optional>
#include <set>

namespace kit {

// A growing set of linear equations, kept solved for as many variables as they fix.
// Each accepted equation makes one variable a pivot, expressed in variables that are not
// pivots, and that variable is substituted out of every other row at once. So an
// equation that adds nothing new is recognised as redundant, and one that contradicts
// the accepted ones as conflicting, without changing what was accepted before it.
class LinearSystem final {
  public:
    using Terms = std::map<int, double>;  // variable -> coefficient
    enum class Outcome { added, redundant, conflicting };

    // Adds `sum of terms = constant`.
    Outcome add(const Terms& terms, double constant);

    bool isDetermined(int variable) const;
    std::optional<double> value(int variable) const;

  private:
    // pivot = sum of terms (non-pivot variables) + constant
    struct Row {
        Terms terms;
        double constant = 0;
    };

    void substitute(Terms& terms, double& constant) const;
    int choosePivot(const Terms& terms) const;
    void eliminate(int pivot);

    std::map<int, Row> rows_;
    std::map<int, std::set<int>> rowsUsing_;  // non-pivot variable -> pivots whose rows use it
};

}  // namespace kit
