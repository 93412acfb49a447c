#pragma once
#include <objbase.h>

#include <utility>

// The one owner of a COM interface pointer: released when the owner goes.
template <class Interface>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(ComPointer&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPointer& operator=(ComPointer&& other) noexcept
    {
        if (this != &other) Reset(std::exchange(other.pointer_, nullptr));
        return *this;
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() { Reset(nullptr); }

    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // Where a call that gives an interface puts it.
    Interface** Put()
    {
        Reset(nullptr);
        return &pointer_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    // The same object's other interface; none when it has none.
    template <class Other>
    ComPointer<Other> As(REFIID id) const
    {
        ComPointer<Other> other;
        if (pointer_ != nullptr) pointer_->QueryInterface(id, other.PutVoid());
        return other;
    }

private:
    void Reset(Interface* pointer)
    {
        if (pointer_ != nullptr) pointer_->Release();
        pointer_ = pointer;
    }
    Interface* pointer_ = nullptr;
};
