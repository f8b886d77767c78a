// Operations on the host's path record (COvSegPath): initial values, filling it from a path,
// its bounding box and the release of its malloc'ed arrays; SegPathRecord owns one in C++ code.
#pragma once

#include "paths/PathObject.h"

#include <ornivex/segpath.h>

namespace ov {

void InitSegPath(COvSegPath& record);
// Replaces points and types with copies of the path's; a path without points leaves the record
// empty and its box as it was. False when out of memory (the record is then empty).
bool SetFromPath(COvSegPath& record, const PathObject& path);
// Box of the record's points: the first point starts it, every further one widens it.
void ComputeBounds(COvSegPath& record);
void ReleaseSegPath(COvSegPath& record);

class SegPathRecord {
public:
    SegPathRecord() { InitSegPath(record_); }
    ~SegPathRecord() { ReleaseSegPath(record_); }
    SegPathRecord(const SegPathRecord&) = delete;
    SegPathRecord& operator=(const SegPathRecord&) = delete;

    COvSegPath& Record() { return record_; }
    const COvSegPath& Record() const { return record_; }
    bool SetFromPath(const PathObject& path) { return ov::SetFromPath(record_, path); }
    // The record's data as a path object, for drawing and for the segment chains.
    PathObject ToPathObject() const;

private:
    COvSegPath record_{};
};

}  // namespace ov
