// The result of an operation that may fail, in the manner of LevelDB's
// Status: OK, or a code and a message in plain words for the operator. It is
// the one way errors travel in the plug-in, in place of a bool beside an
// error text. Cheap to copy when OK (an empty string).
#ifndef AADX_BASE_STATUS_H_
#define AADX_BASE_STATUS_H_

#include <string>
#include <utility>

namespace aadx {

class [[nodiscard]] Status {
 public:
  enum class Code {
    kOk,
    // A file could not be made, or could not take its final name.
    kNotCreated,
    // Bytes could not all be written out, as on a full disk.
    kNotWritten,
    // What the caller handed in cannot be used.
    kInvalidArgument,
  };

  Status() = default;  // OK
  static Status OK() { return Status(); }
  static Status NotCreated(std::string message) {
    return Status(Code::kNotCreated, std::move(message));
  }
  static Status NotWritten(std::string message) {
    return Status(Code::kNotWritten, std::move(message));
  }
  static Status InvalidArgument(std::string message) {
    return Status(Code::kInvalidArgument, std::move(message));
  }

  bool ok() const { return code_ == Code::kOk; }
  Code code() const { return code_; }
  // The message given when the status was made; empty when OK.
  const std::string& message() const { return message_; }

  // Says at the call that a failure is let pass on purpose (the caller
  // has no one to tell, and the next call tries again).
  void IgnoreError() const {}

 private:
  Status(Code code, std::string message)
      : code_(code), message_(std::move(message)) {}

  Code code_ = Code::kOk;
  std::string message_;
};

}  // namespace aadx

#endif  // AADX_BASE_STATUS_H_
