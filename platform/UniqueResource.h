#pragma once
#include <windows.h>

#include <utility>

// One move-only owner for every kind of Windows resource. What "no resource" means
// (NULL or INVALID_HANDLE_VALUE) and how the resource is released are part of the
// type, so a snapshot handle cannot be mistaken for a process handle.
template <class Traits>
class UniqueResource {
public:
    using Type = typename Traits::Type;

    UniqueResource() noexcept = default;
    explicit UniqueResource(Type value) noexcept : value_(value) {}
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { reset(); }

    Type get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return !IsNone(value_); }

    Type release() noexcept { return std::exchange(value_, Traits::None()); }
    void reset(Type value = Traits::None()) noexcept
    {
        const Type old = std::exchange(value_, value);
        if (!IsNone(old)) Traits::Close(old);
    }

private:
    // A kind with more than one "no resource" value says which through IsNone.
    static bool IsNone(Type value) noexcept
    {
        if constexpr (requires { Traits::IsNone(value); }) return Traits::IsNone(value);
        else return value == Traits::None();
    }

    Type value_ = Traits::None();
};

namespace resource_traits {

// A kind whose "none" is NULL, released by `Release`.
template <class T, auto Release>
struct NullIsNone {
    using Type = T;
    static Type None() noexcept { return nullptr; }
    static void Close(Type value) noexcept { Release(value); }
};

// A kind of handle whose "none" is INVALID_HANDLE_VALUE, released by `Release`.
template <auto Release>
struct InvalidHandleIsNone {
    using Type = HANDLE;
    static Type None() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type value) noexcept { Release(value); }
};

// Tool-help snapshots, a type of their own: a failed snapshot is INVALID_HANDLE_VALUE,
// but a call that answers 0 has failed too.
struct SnapshotHandle : InvalidHandleIsNone<&CloseHandle> {
    static bool IsNone(Type h) noexcept { return h == INVALID_HANDLE_VALUE || h == nullptr; }
};

}  // namespace resource_traits

// Kernel handles whose "none" is NULL: processes, events, threads.
using UniqueHandle = UniqueResource<resource_traits::NullIsNone<HANDLE, &CloseHandle>>;
// Files, whose "none" is INVALID_HANDLE_VALUE.
using UniqueFileHandle = UniqueResource<resource_traits::InvalidHandleIsNone<&CloseHandle>>;
using UniqueSnapshotHandle = UniqueResource<resource_traits::SnapshotHandle>;
using UniqueFindHandle = UniqueResource<resource_traits::InvalidHandleIsNone<&FindClose>>;
using UniqueHkey = UniqueResource<resource_traits::NullIsNone<HKEY, &RegCloseKey>>;
using UniqueHicon = UniqueResource<resource_traits::NullIsNone<HICON, &DestroyIcon>>;
using UniqueGdiObject = UniqueResource<resource_traits::NullIsNone<HGDIOBJ, &DeleteObject>>;
using UniqueLocalMemory = UniqueResource<resource_traits::NullIsNone<void*, &LocalFree>>;
using UniqueLibrary = UniqueResource<resource_traits::NullIsNone<HMODULE, &FreeLibrary>>;
using UniqueGlobalMemory = UniqueResource<resource_traits::NullIsNone<HGLOBAL, &GlobalFree>>;
using UniqueMenu = UniqueResource<resource_traits::NullIsNone<HMENU, &DestroyMenu>>;
