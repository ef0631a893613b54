#pragma once
// A closed polygon of V2 corners (the last corner joins the first), with a
// point-in-polygon test, a centre, a subdivision step and removal of repeated corners.
#include "engine/V2.h"

#include <cstdint>
#include <vector>

class GNgon {
public:
    GNgon() = default;
    virtual ~GNgon() = default;

    void AddPoint(const V2& point) { points_.push_back(point); }
    // Even-odd test. Of a square's edges, the ones at the lower x and lower y hold their
    // points and the others do not, so polygons sharing an edge never both hold a point.
    bool Inside(const V2& point) const;
    // The mean of the corners; (0, 0) for a polygon without corners.
    void CalculateCenter();
    // Puts the midpoint of every edge between its two corners: n corners become 2n.
    void Tesselate();
    // Keeps the first of every set of corners at exactly the same place.
    void PruneDuplicatePoints();

    // Polygons are not drawn on this platform: these draw nothing.
    void DrawPoints() const {}
    void DrawOutline(uint32_t) const {}
    void DrawFill(uint32_t) const {}

    const std::vector<V2>& GetPoints() const { return points_; }
    const V2& GetCenter() const { return center_; }

private:
    std::vector<V2> points_;
    V2 center_;
};
