// Handle-to-object maps of one thread: permanent entries for objects that own or have
// attached a handle, temporary objects for foreign handles until the next idle time.
#pragma once
#include <functional>
#include <unordered_map>
#include <vector>

template <class TObject, class THandle>
class CHandleMap {
public:
    typedef std::function<TObject*(THandle h)> Factory;     // a new temporary object bound to h
    typedef std::function<void(TObject* pObject)> Release;  // unbinds a temporary object before deletion

    CHandleMap(Factory factory, Release release) : m_factory(std::move(factory)), m_release(std::move(release)) {}
    // Temporary objects are plain TObject that keep the handle in one member.
    explicit CHandleMap(THandle TObject::*member)
        : CHandleMap(
              [member](THandle h) {
                  TObject* pObject = new TObject;
                  pObject->*member = h;
                  return pObject;
              },
              [member](TObject* pObject) { pObject->*member = nullptr; })
    {
    }
    ~CHandleMap() { DeleteTemp(); }

    TObject* FromHandle(THandle h)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* pObject = LookupPermanent(h))
            return pObject;
        auto it = m_temporary.find(h);
        if (it != m_temporary.end())
            return it->second;
        TObject* pObject = m_factory(h);
        m_temporary[h] = pObject;
        return pObject;
    }
    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }
    void RemoveHandle(THandle h) { m_permanent.erase(h); }

    // Whether an object other than pObject holds h.
    bool HeldByOther(const TObject* pObject, THandle h) const
    {
        TObject* pOwner = LookupPermanent(h);
        return pOwner != nullptr && pOwner != pObject;
    }
    // Binds h to pObject, whose member hMember holds its handle. A handle that another
    // object holds is refused: two owners would free it twice. The object's own earlier
    // handle goes first through letGo, which must leave hMember empty (the owner frees it).
    template <class LetGo>
    BOOL Attach(TObject* pObject, THandle& hMember, THandle h, LetGo letGo)
    {
        if (h == nullptr || HeldByOther(pObject, h))
            return FALSE;
        if (hMember != nullptr && hMember != h)
            letGo();
        hMember = h;
        SetPermanent(h, pObject);
        return TRUE;
    }
    // Unbinds the object's handle and answers it.
    THandle Detach(TObject* pObject, THandle& hMember)
    {
        THandle h = hMember;
        Unbind(pObject, h);
        hMember = nullptr;
        return h;
    }

    void DeleteTemp()
    {
        std::vector<TObject*> doomed;
        for (auto& entry : m_temporary)
            doomed.push_back(entry.second);
        m_temporary.clear();
        for (TObject* pObject : doomed) {
            m_release(pObject);
            delete pObject;
        }
    }

private:
    void Unbind(TObject* pObject, THandle h)
    {
        if (h != nullptr && LookupPermanent(h) == pObject)
            RemoveHandle(h);
    }

    Factory m_factory;
    Release m_release;
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
