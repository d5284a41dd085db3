#include "platform/foundation/PlistPrecheck.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace foundation {

namespace {

constexpr std::string_view binaryMagic = "bplist00";
constexpr std::size_t trailerSize = 32;

// Skips a comment, a processing instruction, a declaration or a CDATA section starting at
// `at`, returning where scanning resumes, or nothing when `at` starts none of them.
std::optional<std::size_t> skipMarkup(std::string_view text, std::size_t at) {
    auto skipTo = [&](std::string_view end) {
        std::size_t found = text.find(end, at);
        return found == std::string_view::npos ? text.size() : found + end.size();
    };
    std::string_view rest = text.substr(at);
    if (rest.starts_with("<!--")) {
        return skipTo("-->");
    }
    if (rest.starts_with("<![CDATA[")) {
        return skipTo("]]>");
    }
    if (rest.starts_with("<?")) {
        return skipTo("?>");
    }
    if (rest.starts_with("<!")) {
        return skipTo(">");
    }
    return std::nullopt;
}

bool isContainerTag(std::string_view rest, std::size_t nameStart) {
    for (std::string_view name : {"array", "dict"}) {
        if (rest.substr(nameStart, name.size()) != name) {
            continue;
        }
        std::size_t after = nameStart + name.size();
        if (after >= rest.size()) {
            return true;
        }
        char c = rest[after];
        if (c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            return true;
        }
    }
    return false;
}

std::uint64_t bigEndian(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The binary form's object graph: an offset table indexes the objects, and a container
// lists its members as object references.
struct BinaryGraph {
    std::string_view bytes;
    std::size_t offsetSize = 0;
    std::size_t refSize = 0;
    std::uint64_t objectCount = 0;
    std::uint64_t top = 0;
    std::uint64_t table = 0;

    struct Object {
        bool container = false;
        std::vector<std::uint64_t> members;
    };

    bool read(std::string_view data);
    std::optional<Object> object(std::uint64_t index) const;
    bool textWithoutNul(std::uint64_t index) const;
    // The member or character count of the object at `offset` (in its marker, or in an
    // integer after it when the marker holds 0xF), and where its members begin.
    std::optional<std::pair<std::uint64_t, std::uint64_t>> countAt(std::uint64_t offset) const;
};

bool BinaryGraph::read(std::string_view data) {
    bytes = data;
    if (data.size() < binaryMagic.size() + trailerSize) {
        return false;
    }
    std::size_t trailer = data.size() - trailerSize;
    offsetSize = static_cast<unsigned char>(data[trailer + 6]);
    refSize = static_cast<unsigned char>(data[trailer + 7]);
    objectCount = bigEndian(data, trailer + 8, 8);
    top = bigEndian(data, trailer + 16, 8);
    table = bigEndian(data, trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || refSize < 1 || refSize > 8 || top >= objectCount) {
        return false;
    }
    return table <= trailer && objectCount <= (trailer - table) / offsetSize;
}

std::optional<BinaryGraph::Object> BinaryGraph::object(std::uint64_t index) const {
    std::uint64_t offset = bigEndian(bytes, table + index * offsetSize, offsetSize);
    if (offset >= table) {
        return std::nullopt;
    }
    auto marker = static_cast<unsigned char>(bytes[offset]);
    unsigned kind = marker >> 4;
    if (kind != 0xA && kind != 0xC && kind != 0xD) {
        return Object{};
    }
    auto counted = countAt(offset);
    if (!counted) {
        return std::nullopt;
    }
    auto [count, at] = *counted;
    std::uint64_t refs = kind == 0xD ? count * 2 : count;
    if (count > table || refs > (table - at) / refSize) {
        return std::nullopt;
    }
    Object result{true, {}};
    result.members.reserve(refs);
    for (std::uint64_t i = 0; i < refs; ++i) {
        std::uint64_t ref = bigEndian(bytes, at + i * refSize, refSize);
        if (ref >= objectCount) {
            return std::nullopt;
        }
        // A dictionary lists its keys first.
        if (kind == 0xD && i < count && !textWithoutNul(ref)) {
            return std::nullopt;
        }
        result.members.push_back(ref);
    }
    return result;
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> BinaryGraph::countAt(
    std::uint64_t offset) const {
    std::uint64_t count = static_cast<unsigned char>(bytes[offset]) & 0xF;
    std::uint64_t at = offset + 1;
    if (count == 0xF) {
        if (at >= table || (static_cast<unsigned char>(bytes[at]) & 0xF0) != 0x10) {
            return std::nullopt;
        }
        std::size_t size = std::size_t{1} << (static_cast<unsigned char>(bytes[at]) & 0x3);
        if (at + 1 + size > table) {
            return std::nullopt;
        }
        count = bigEndian(bytes, at + 1, size);
        at += 1 + size;
    }
    return std::pair(count, at);
}

// True for an ASCII or UTF-16 text object without a NUL character; any other kind of object
// is left to the parser.
bool BinaryGraph::textWithoutNul(std::uint64_t index) const {
    std::uint64_t offset = bigEndian(bytes, table + index * offsetSize, offsetSize);
    if (offset >= table) {
        return false;
    }
    auto marker = static_cast<unsigned char>(bytes[offset]);
    unsigned kind = marker >> 4;
    if (kind != 0x5 && kind != 0x6) {
        return true;
    }
    auto counted = countAt(offset);
    if (!counted) {
        return false;
    }
    auto [count, at] = *counted;
    std::uint64_t unit = kind == 0x6 ? 2 : 1;
    if (count > (table - at) / unit) {
        return false;
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        if (bigEndian(bytes, at + i * unit, unit) == 0) {
            return false;
        }
    }
    return true;
}

// Measures the longest chain of containers from the top object, depth first with each
// object's height remembered, so that shared members are measured once and a cycle is caught.
class ChainWalk {
  public:
    ChainWalk(const BinaryGraph& graph, int maxDepth)
        : graph_(graph), maxDepth_(maxDepth), height_(graph.objectCount, unvisited) {}

    bool within();

  private:
    static constexpr int unvisited = -1;
    static constexpr int onPath = -2;

    struct Step {
        std::uint64_t index;
        std::vector<std::uint64_t> members;
        std::size_t next = 0;
        int tallest = 0;
    };

    bool enter(std::uint64_t index);
    bool visit(std::uint64_t member);
    void leave();

    const BinaryGraph& graph_;
    int maxDepth_;
    std::vector<int> height_;
    std::vector<Step> path_;
};

bool ChainWalk::within() {
    if (!enter(graph_.top)) {
        return false;
    }
    while (!path_.empty()) {
        Step& step = path_.back();
        if (step.next == step.members.size()) {
            leave();
        } else if (!visit(step.members[step.next++])) {
            return false;
        }
    }
    return true;
}

// Pushes a container on the path; a scalar gets its height of 0 at once.
bool ChainWalk::enter(std::uint64_t index) {
    auto object = graph_.object(index);
    if (!object) {
        return false;
    }
    if (!object->container) {
        height_[index] = 0;
        return true;
    }
    if (static_cast<int>(path_.size()) >= maxDepth_) {
        return false;
    }
    height_[index] = onPath;
    path_.push_back({index, std::move(object->members)});
    return true;
}

bool ChainWalk::visit(std::uint64_t member) {
    if (height_[member] == onPath) {
        return false;
    }
    if (height_[member] == unvisited) {
        if (!enter(member)) {
            return false;
        }
        if (height_[member] != 0) {
            return true;
        }
    }
    if (static_cast<int>(path_.size()) + height_[member] > maxDepth_) {
        return false;
    }
    path_.back().tallest = std::max(path_.back().tallest, height_[member]);
    return true;
}

void ChainWalk::leave() {
    int finished = height_[path_.back().index] = path_.back().tallest + 1;
    path_.pop_back();
    if (!path_.empty()) {
        path_.back().tallest = std::max(path_.back().tallest, finished);
    }
}

}  // namespace

bool PlistPrecheck::acceptable(std::string_view bytes, int maxDepth) {
    if (bytes.starts_with(binaryMagic)) {
        return binaryWithin(bytes, maxDepth);
    }
    return bytes.find('\0') == std::string_view::npos && xmlWithin(bytes, maxDepth);
}

bool PlistPrecheck::xmlWithin(std::string_view bytes, int maxDepth) {
    int depth = 0;
    std::size_t at = bytes.find('<');
    while (at != std::string_view::npos) {
        if (auto resume = skipMarkup(bytes, at)) {
            at = bytes.find('<', *resume);
            continue;
        }
        std::string_view rest = bytes.substr(at);
        bool closing = rest.size() > 1 && rest[1] == '/';
        if (isContainerTag(rest, closing ? 2 : 1)) {
            std::size_t end = rest.find('>');
            bool empty = end != std::string_view::npos && end > 0 && rest[end - 1] == '/';
            if (closing) {
                depth = depth > 0 ? depth - 1 : 0;
            } else if (!empty && ++depth > maxDepth) {
                return false;
            }
        }
        at = bytes.find('<', at + 1);
    }
    return true;
}

bool PlistPrecheck::binaryWithin(std::string_view bytes, int maxDepth) {
    BinaryGraph graph;
    return graph.read(bytes) && ChainWalk(graph, maxDepth).within();
}

}  // namespace foundation
