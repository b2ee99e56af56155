#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <utility>

// Base of every shared library object: an intrusive count changed only by interlocked
// operations. Shared interfaces derive from it virtually, so an object that implements
// several of them still has one count and one destructor.
class SmartPtrObj {
public:
    SmartPtrObj() noexcept : m_RefCount(0) {}
    // A copy is a new object that nobody owns yet.
    SmartPtrObj(const SmartPtrObj&) noexcept : m_RefCount(0) {}
    SmartPtrObj& operator=(const SmartPtrObj&) noexcept { return *this; }
    virtual ~SmartPtrObj() = default;

    // "class Name {0xaddress}" of the most-derived object.
    virtual std::string GetDescription() const;

    void AddRef() const noexcept { m_RefCount.fetch_add(1); }
    // True when this call took the count to 0: the caller then destroys the object.
    bool ReleaseRef() const noexcept { return m_RefCount.fetch_sub(1) == 1; }

private:
    mutable std::atomic<int32_t> m_RefCount;
};

// Owning handle to a SmartPtrObj-derived object (T may be an interface with SmartPtrObj
// as a virtual base, or a const type).
template <class T>
class SmartPtr {
public:
    SmartPtr() noexcept : m_Ptr(nullptr) {}
    SmartPtr(std::nullptr_t) noexcept : m_Ptr(nullptr) {}
    SmartPtr(T* iPtr) noexcept : m_Ptr(iPtr) { AddRefOf(iPtr); }
    SmartPtr(const SmartPtr& iOther) noexcept : m_Ptr(iOther.get()) { AddRefOf(m_Ptr.load()); }
    SmartPtr(SmartPtr&& iOther) noexcept : m_Ptr(iOther.m_Ptr.exchange(nullptr)) {}
    template <class U>
    SmartPtr(const SmartPtr<U>& iOther) noexcept : m_Ptr(iOther.get())
    {
        AddRefOf(m_Ptr.load());
    }
    ~SmartPtr() { ReleaseOf(m_Ptr.exchange(nullptr)); }

    SmartPtr& operator=(const SmartPtr& iOther) noexcept
    {
        Assign(iOther);
        return *this;
    }
    SmartPtr& operator=(SmartPtr&& iOther) noexcept
    {
        ReleaseOf(m_Ptr.exchange(iOther.m_Ptr.exchange(nullptr)));
        return *this;
    }
    SmartPtr& operator=(T* iPtr) noexcept
    {
        Assign(SmartPtr(iPtr));
        return *this;
    }

    // The new object is counted before the old one is let go, so assigning a handle to
    // itself (or to another handle of the same object) never frees it.
    void Assign(const SmartPtr& iOther) noexcept
    {
        T* fresh = iOther.get();
        AddRefOf(fresh);
        ReleaseOf(m_Ptr.exchange(fresh));
    }
    void Reset() noexcept { ReleaseOf(m_Ptr.exchange(nullptr)); }

    T* get() const noexcept { return m_Ptr.load(); }
    T* operator->() const noexcept { return get(); }
    T& operator*() const noexcept { return *get(); }
    explicit operator bool() const noexcept { return get() != nullptr; }

private:
    static void AddRefOf(T* iPtr) noexcept
    {
        if (iPtr)
            static_cast<const SmartPtrObj*>(iPtr)->AddRef();
    }
    static void ReleaseOf(T* iPtr) noexcept
    {
        const SmartPtrObj* obj = iPtr;
        if (obj && obj->ReleaseRef())
            delete obj;
    }

    std::atomic<T*> m_Ptr;
};

template <class T, class U>
bool operator==(const SmartPtr<T>& iLeft, const SmartPtr<U>& iRight) noexcept
{
    return iLeft.get() == iRight.get();
}
template <class T, class U>
bool operator!=(const SmartPtr<T>& iLeft, const SmartPtr<U>& iRight) noexcept
{
    return iLeft.get() != iRight.get();
}
