#pragma once
// Base of reference-counted objects: the count starts at 1 and the object deletes itself
// when it comes down to exactly 0.
class RefCounted {
public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;
    virtual ~RefCounted() = default;
    void AddRefcount() { ++count_; }
    void RemoveRefcount()
    {
        if (--count_ == 0)
            delete this;
    }
    int GetRefcount() const { return count_; }

private:
    int count_ = 1;
};
