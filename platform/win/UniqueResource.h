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

struct Handle {  // kernel handles whose "none" is NULL: processes, events, threads
    using Type = HANDLE;
    static Type None() noexcept { return nullptr; }
    static void Close(Type h) noexcept { CloseHandle(h); }
};
struct FileHandle {  // handles whose "none" is INVALID_HANDLE_VALUE
    using Type = HANDLE;
    static Type None() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { CloseHandle(h); }
};
struct SnapshotHandle : FileHandle {  // tool-help snapshots: a type of their own
    // A failed snapshot is INVALID_HANDLE_VALUE, but a call that answers 0 has failed too.
    static bool IsNone(Type h) noexcept { return h == INVALID_HANDLE_VALUE || h == nullptr; }
};
struct FindHandle {
    using Type = HANDLE;
    static Type None() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { FindClose(h); }
};
struct RegistryKey {
    using Type = HKEY;
    static Type None() noexcept { return nullptr; }
    static void Close(Type k) noexcept { RegCloseKey(k); }
};
struct Icon {
    using Type = HICON;
    static Type None() noexcept { return nullptr; }
    static void Close(Type i) noexcept { DestroyIcon(i); }
};
struct GdiObject {
    using Type = HGDIOBJ;
    static Type None() noexcept { return nullptr; }
    static void Close(Type o) noexcept { DeleteObject(o); }
};
struct LocalMemory {
    using Type = void*;
    static Type None() noexcept { return nullptr; }
    static void Close(Type p) noexcept { LocalFree(p); }
};
struct Library {
    using Type = HMODULE;
    static Type None() noexcept { return nullptr; }
    static void Close(Type m) noexcept { FreeLibrary(m); }
};

}  // namespace resource_traits

using UniqueHandle = UniqueResource<resource_traits::Handle>;
using UniqueFileHandle = UniqueResource<resource_traits::FileHandle>;
using UniqueSnapshotHandle = UniqueResource<resource_traits::SnapshotHandle>;
using UniqueFindHandle = UniqueResource<resource_traits::FindHandle>;
using UniqueHkey = UniqueResource<resource_traits::RegistryKey>;
using UniqueHicon = UniqueResource<resource_traits::Icon>;
using UniqueGdiObject = UniqueResource<resource_traits::GdiObject>;
using UniqueLocalMemory = UniqueResource<resource_traits::LocalMemory>;
using UniqueLibrary = UniqueResource<resource_traits::Library>;
