// Zevora fuzz target - recovery journals as they are read back at start.
// A damaged journal is refused, never half read: whatever is accepted holds
// exactly the text its header announces and reads back the same once written again.
#include "FuzzCheck.h"
#include "JournalFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<Journal> journal = JournalFile::parse(bytes, &error);
    if (!journal) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(bytes.endsWith(journal->body));
    const std::optional<Journal> again =
        JournalFile::parse(JournalFile::compose(journal->header, journal->body));
    FUZZ_CHECK(again && again->header == journal->header && again->body == journal->body);
    return 0;
}
