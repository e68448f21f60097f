#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace undertext {

// Outcome of an operation that can fail: either a value or an error text (UTF-8,
// ready to be shown to the user). The core reports failures this way and leaves
// the showing to the caller.
template <typename T>
class Result {
  public:
    static Result success(T value) { return Result(std::move(value), {}); }
    static Result failure(std::string error) { return Result(std::nullopt, std::move(error)); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // The value of a success; asking a failure for it is a programming error.
    const T& value() const& {
        assert(ok());
        return *value_;
    }
    T& value() & {
        assert(ok());
        return *value_;
    }
    T&& value() && {
        assert(ok());
        return std::move(*value_);
    }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    const std::string& error() const { return error_; }

  private:
    Result(std::optional<T> value, std::string error)
        : value_(std::move(value)), error_(std::move(error)) {}

    std::optional<T> value_;
    std::string error_;
};

// Outcome of an operation without a value.
class Status {
  public:
    static Status success() { return Status({}); }
    static Status failure(std::string error) { return Status(std::move(error), true); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

  private:
    explicit Status(std::string error, bool failed = false)
        : error_(std::move(error)), failed_(failed) {}

    std::string error_;
    bool failed_ = false;
};

}  // namespace undertext
