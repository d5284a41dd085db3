#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace foundation {

// A failure as the user sees it: the description is shown verbatim in "Error" alerts,
// so it names the operation and the path.
struct Error {
    std::string description;
};

// The value of a platform call that can fail, or the error that says why. No exceptions
// cross the system's code; callers check the result where the behaviour says they do.
template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : storage_(std::move(value)) {}
    Result(Error error) : storage_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(storage_); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(storage_); }
    T&& value() && { return std::get<T>(std::move(storage_)); }
    const Error& error() const { return std::get<Error>(storage_); }

  private:
    std::variant<T, Error> storage_;
};

template <>
class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *error_; }

  private:
    std::optional<Error> error_;
};

}  // namespace foundation
