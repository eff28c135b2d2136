// Feeds arbitrary bytes to the browser's document reader (a length-prefixed string): it must
// refuse or give a string, never crash or read past the input.
#include "browser/model/CVistaRamblerDoc.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)browser::CVistaRamblerDoc::readArchive(bytes);
    return 0;
}
