// EndPointGrid: the end points of pieces in a hash grid of square cells, so that the ends near a
// point are found without looking at every piece. Ends at the same point of the same figure share one
// spot, kept in list order, so that pieces collapsed onto one point cost one distance, not one each.
// Ends move and pieces leave while it is in use.
#pragma once

#include "paths/ChainCuts.h"

#include <array>
#include <cstdint>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ov {

class EndPointGrid {
public:
    struct Slot {
        size_t piece;  // index of the piece in the list the grid was built from
        int side;      // 0 start, 1 end
        bool operator<(const Slot& o) const { return piece < o.piece || (piece == o.piece && side < o.side); }
    };
    struct Spot {
        OvPointF at;
        int32_t figure;
        std::set<Slot> slots;  // never empty
    };

    // Indexes the start and end of every piece; searches reach `cell` from a point.
    EndPointGrid(ChainList& pieces, double cell);

    // The spots in the cells around p: every end closer to p than the cell size is in one of them.
    // Non-finite points find nothing and are never indexed.
    std::vector<const Spot*> Around(OvPointF p) const;
    // Moves the end in `slot` to `to`.
    void Move(Slot slot, OvPointF to);
    // Takes both ends of a piece out.
    void Remove(size_t piece);

private:
    using Key = std::pair<int64_t, int64_t>;
    struct KeyHash {
        size_t operator()(const Key& k) const noexcept;
    };
    bool KeyOf(OvPointF p, Key& key) const;
    void Insert(Slot slot);
    void Erase(Slot slot);

    double cell_;
    std::vector<std::array<OvPointF*, 2>> ends_;
    std::vector<int32_t> figures_;
    std::unordered_map<Key, std::vector<Spot>, KeyHash> cells_;
};

}  // namespace ov
