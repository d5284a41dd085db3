#pragma once

#include <memory>
#include <string>

#include "platform/kit/Label.h"
#include "platform/kit/View.h"

namespace kelvora {

// The heading above a group of a form: one left-aligned line, cut at the trailing side when
// too long. It has no size of its own; the host gives it one.
class SectionTitleView final : public kit::View {
    struct Token {
        explicit Token() = default;
    };

  public:
    explicit SectionTitleView(Token) {}

    static std::shared_ptr<SectionTitleView> initWithTitle(const std::string& title);

    const std::shared_ptr<kit::Label>& titleLabel() const { return titleLabel_; }

  private:
    std::shared_ptr<kit::Label> titleLabel_;
};

}  // namespace kelvora
