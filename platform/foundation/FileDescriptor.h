#pragma once

namespace foundation {

// An open file descriptor that is closed when it goes out of scope, so that no early return
// of a file operation leaks one.
class FileDescriptor final {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }
    // Closes it now; 0, or the error a late write reported on closing.
    int close();

  private:
    int descriptor_ = -1;
};

}  // namespace foundation
