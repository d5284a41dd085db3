#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/foundation/PlistPrecheck.h"

// The binary form's checks: an offset table indexes the objects, and a container lists its
// members as object references, so nesting and sharing are properties of that graph.
namespace foundation {

namespace {

constexpr std::string_view binaryMagic = "bplist00";
constexpr std::size_t trailerSize = 32;

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

// Measures the longest chain of containers from the top object, and how many values the
// parser would make of the graph, copying a shared object at each reference. Depth first,
// with each object's measures remembered, so that a shared object is measured once and a
// cycle is caught.
class GraphWalk {
  public:
    GraphWalk(const BinaryGraph& graph, int maxDepth)
        : graph_(graph),
          maxDepth_(maxDepth),
          maxValues_(graph.bytes.size()),
          measured_(graph.objectCount) {}

    bool within();

  private:
    static constexpr int unvisited = -1;
    static constexpr int onPath = -2;

    struct Measure {
        int height = unvisited;
        std::uint64_t values = 0;
    };
    struct Step {
        std::uint64_t index;
        std::vector<std::uint64_t> members;
        std::size_t next = 0;
        Measure sum{0, 1};
    };

    bool enter(std::uint64_t index);
    bool visit(std::uint64_t member);
    bool add(const Measure& member);
    bool leave();

    const BinaryGraph& graph_;
    int maxDepth_;
    std::uint64_t maxValues_;
    std::vector<Measure> measured_;
    std::vector<Step> path_;
};

bool GraphWalk::within() {
    if (!enter(graph_.top)) {
        return false;
    }
    while (!path_.empty()) {
        Step& step = path_.back();
        bool fine = step.next == step.members.size() ? leave() : visit(step.members[step.next++]);
        if (!fine) {
            return false;
        }
    }
    return true;
}

// Pushes a container on the path; a scalar is measured at once.
bool GraphWalk::enter(std::uint64_t index) {
    auto object = graph_.object(index);
    if (!object) {
        return false;
    }
    if (!object->container) {
        measured_[index] = {0, 1};
        return true;
    }
    if (static_cast<int>(path_.size()) >= maxDepth_) {
        return false;
    }
    measured_[index].height = onPath;
    path_.push_back({index, std::move(object->members)});
    return true;
}

bool GraphWalk::visit(std::uint64_t member) {
    if (measured_[member].height == onPath) {
        return false;
    }
    if (measured_[member].height == unvisited) {
        if (!enter(member)) {
            return false;
        }
        if (measured_[member].height != 0) {
            return true;
        }
    }
    if (static_cast<int>(path_.size()) + measured_[member].height > maxDepth_) {
        return false;
    }
    return add(measured_[member]);
}

bool GraphWalk::add(const Measure& member) {
    Measure& sum = path_.back().sum;
    sum.height = std::max(sum.height, member.height);
    sum.values += member.values;
    return sum.values <= maxValues_;
}

bool GraphWalk::leave() {
    Measure& finished = measured_[path_.back().index];
    finished = {path_.back().sum.height + 1, path_.back().sum.values};
    path_.pop_back();
    return path_.empty() || add(finished);
}

}  // namespace

bool PlistPrecheck::binaryWithin(std::string_view bytes, int maxDepth) {
    BinaryGraph graph;
    return graph.read(bytes) && GraphWalk(graph, maxDepth).within();
}

}  // namespace foundation
