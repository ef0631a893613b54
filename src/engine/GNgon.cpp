#include "engine/GNgon.h"

#include <algorithm>

bool GNgon::Inside(const V2& p) const
{
    bool inside = false;
    const size_t n = points_.size();
    for (size_t i = 0, j = n ? n - 1 : 0; i < n; j = i++) {
        const V2& a = points_[i];
        const V2& b = points_[j];
        // Half-open in y, so a horizontal edge never counts and a vertex counts once.
        bool spans = (a.y <= p.y && p.y < b.y) || (b.y <= p.y && p.y < a.y);
        if (spans && p.x < a.x + (b.x - a.x) * (p.y - a.y) / (b.y - a.y))
            inside = !inside;
    }
    return inside;
}

void GNgon::CalculateCenter()
{
    if (points_.empty()) {
        center_ = V2();
        return;
    }
    float sx = 0.0f, sy = 0.0f;
    for (const V2& p : points_) {
        sx += p.x;
        sy += p.y;
    }
    center_ = V2(sx / float(points_.size()), sy / float(points_.size()));
}

void GNgon::Tesselate()
{
    std::vector<V2> out;
    out.reserve(points_.size() * 2);
    for (size_t i = 0; i < points_.size(); ++i) {
        const V2& a = points_[i];
        const V2& b = points_[(i + 1) % points_.size()];
        out.push_back(a);
        out.emplace_back((a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f);
    }
    points_ = std::move(out);
}

void GNgon::PruneDuplicatePoints()
{
    std::vector<V2> kept;
    for (const V2& p : points_) {
        bool seen = std::any_of(kept.begin(), kept.end(),
                                [&](const V2& k) { return k.x == p.x && k.y == p.y; });
        if (!seen)
            kept.push_back(p);
    }
    points_ = std::move(kept);
}
