// Handle-to-object maps of one thread: permanent entries for objects that own or have
// attached a handle, temporary objects for foreign handles until the next idle time.
#pragma once
#include <unordered_map>
#include <vector>

template <class TObject, class THandle>
class CHandleMap
{
public:
    typedef TObject* (*Factory)(THandle h);   // a new temporary object bound to h
    typedef void (*Release)(TObject* pObject); // unbinds a temporary object before deletion

    CHandleMap(Factory factory, Release release) : m_factory(factory), m_release(release) {}
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
    TObject* LookupTemporary(THandle h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }
    void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }
    void RemoveHandle(THandle h) { m_permanent.erase(h); }
    // Replaces the temporary object of h (kept alive until DeleteTemp: callers may hold it).
    void ReplaceTemporary(THandle h, TObject* pObject)
    {
        auto it = m_temporary.find(h);
        if (it != m_temporary.end())
            m_retired.push_back(it->second);
        m_temporary[h] = pObject;
    }
    void DeleteTemp()
    {
        std::vector<TObject*> doomed(m_retired);
        for (auto& entry : m_temporary)
            doomed.push_back(entry.second);
        m_temporary.clear();
        m_retired.clear();
        for (TObject* pObject : doomed)
        {
            m_release(pObject);
            delete pObject;
        }
    }

private:
    Factory m_factory;
    Release m_release;
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
    std::vector<TObject*> m_retired;
};
