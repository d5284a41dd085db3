#pragma once

#include <string>

#include "platform/foundation/PropertyList.h"
#include "platform/foundation/Result.h"

namespace kelvora {

// A property-list file with a dictionary root, read whole and written whole.
//
// A missing file reads as an empty dictionary, and so does one that exists but does not
// read as a dictionary (malformed, another root type, unreadable, a folder). Such a file is
// never overwritten in place: before the first write its bytes are copied aside to
// "<path>.unreadable" (".unreadable-2" and so on when that name is taken), and when they
// cannot be copied nothing is written at all. So a save never loses what another program,
// or an older Kelvora, left there, and the file written is always well formed.
//
// A tweak's file that was read in the binary form is written back binary, a new file or an XML
// file as XML: the XML form cannot carry every date exactly, so a rewrite keeps the form it
// found. The app's own files are always written as XML.
class PreferenceFile final {
  public:
    static PreferenceFile read(std::string path);

    const foundation::PlistDictionary& dictionary() const { return dictionary_; }
    foundation::PlistDictionary& dictionary() { return dictionary_; }
    bool exists() const { return state_ != State::missing; }

    // The next write first copies the file aside, as it does for an unreadable one: for a file
    // that read well but holds what its reader had to ignore.
    void keepCopyBeforeWriting();

    foundation::Result<void> write() const;

  private:
    enum class State { missing, readable, unreadable };
    enum class Form { xml, binary };

    PreferenceFile(std::string path, foundation::PlistDictionary dictionary, State state,
                   Form form = Form::xml);
    foundation::Result<void> setAsideUnreadable() const;

    std::string path_;
    foundation::PlistDictionary dictionary_;
    State state_;
    Form form_;
};

}  // namespace kelvora
