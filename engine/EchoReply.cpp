#include "engine/EchoReply.h"

#include <cstring>
#include <string>

bool EchoDataMatches(const void* data, size_t dataSize, const void* buffer, size_t bufferSize,
                     const char* sent) {
    if (dataSize == 0) return true;
    const char* begin = static_cast<const char*>(buffer);
    const char* end = begin + bufferSize;
    const char* echoed = static_cast<const char*>(data);
    if (!echoed || echoed < begin || echoed >= end) return false;
    size_t readable = static_cast<size_t>(end - echoed);
    if (dataSize < readable) readable = dataSize;
    return std::string(echoed, strnlen(echoed, readable)) == sent;
}
