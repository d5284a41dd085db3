#pragma once

namespace kelvora {

// What the file picker tells the screen that opened it once files were copied.
class FilePickerProtocol {
  public:
    virtual ~FilePickerProtocol() = default;
    virtual void didFinishedCopyingFilesAndNeedUpdate() = 0;
};

}  // namespace kelvora
