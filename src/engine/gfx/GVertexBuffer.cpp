#include "engine/gfx/GVertexBuffer.h"

#include "engine/EngineAssert.h"
#include "engine/GDebugEngine.h"
#include "engine/gfx/D3DEngine.h"

#include <algorithm>
#include <cstring>

std::vector<GVertexBuffer*> GVertexBuffer::AllVBs;

GVertexBuffer::~GVertexBuffer()
{
    Release();
}

void GVertexBuffer::Initialise(int vertexCount, bool keep)
{
    int vertsused = vertexCount;
    ENGINE_ASSERT(vertsused > 0 && vertsused <= MAXVERTS);
    capacity = vertexCount;
    keepIndices = keep;
    Rebuild();
    if (std::find(AllVBs.begin(), AllVBs.end(), this) == AllVBs.end())
        AllVBs.push_back(this);
    bool VertexBuffer = store != nullptr;
    ENGINE_ASSERT(VertexBuffer);
}

void GVertexBuffer::Rebuild()
{
    // Assigning the new store frees the one it replaces.
    GetD3DEngine()->InitVertexBuffer(capacity, store, 452);
    lockedData = nullptr;
    indexCount = 0;
    if (!keepIndices)
        std::fill(indices, indices + std::min(capacity, MAXINDICES), uint16_t(0));
}

void GVertexBuffer::RebuildAll()
{
    for (GVertexBuffer* vb : std::vector<GVertexBuffer*>(AllVBs))
        vb->Rebuild();
}

void GVertexBuffer::Lock()
{
    if (!store || store->Lock(&lockedData) != 0 || !lockedData) {
        GetDebug()->DebugOut("Vertex buffer lock failed");
        GetD3DEngine()->D3DEngineError(0, "Error locking VB");
        Unlock();
    }
}

void GVertexBuffer::Unlock()
{
    lockedData = nullptr;
}

void GVertexBuffer::Reset()
{
    indexCount = 0;
    std::fill(indices, indices + std::min(capacity, MAXINDICES), uint16_t(0));
    counter = 0;
}

void GVertexBuffer::Draw()
{
    if (!store || !store->vertices)
        return;
    int count = std::min<int>(indexCount, MAXINDICES);
    GetD3DEngine()->DrawTriangles(store->vertices.get(), capacity, indices, count);
}

void GVertexBuffer::DrawVerts(int count)
{
    if (!store || !store->vertices)
        return;
    GetD3DEngine()->DrawTriangles(store->vertices.get(), capacity, nullptr, std::min(count, capacity));
}

void GVertexBuffer::Release()
{
    AllVBs.erase(std::remove(AllVBs.begin(), AllVBs.end(), this), AllVBs.end());
}
