#pragma once
// The engine's own assertion: a broken invariant inside the engine stops the program at
// once with "file:line: failed assertion `condition'" on standard error.
#define ENGINE_ASSERT(cond) \
    ((cond) ? (void)0 : EngineAssertFailed(__FILE__, __LINE__, #cond))

[[noreturn]] void EngineAssertFailed(const char* file, unsigned line, const char* condition);
