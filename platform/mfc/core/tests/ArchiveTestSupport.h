// Helpers for archive tests: store with a callback and get the bytes, load from bytes.
#pragma once
#include <afx.h>
#include <algorithm>
#include <functional>
#include <vector>

using Bytes = std::vector<BYTE>;

inline Bytes Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// The first n bytes (all of them when there are fewer).
inline Bytes Prefix(const Bytes& bytes, size_t n)
{
    return Bytes(bytes.begin(), bytes.begin() + (long)std::min(n, bytes.size()));
}

inline void Load(Bytes bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// Runs the loader and answers the cause of the CArchiveException it throws
// (-1 when it throws none).
inline int LoadFailure(Bytes bytes, const std::function<void(CArchive&)>& read)
{
    try {
        Load(std::move(bytes), read);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}
