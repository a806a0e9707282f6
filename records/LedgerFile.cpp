// The service's ledger beside the record, read and replaced under the lock.
#include "RecordStore.h"

#include "StoreFiles.h"

namespace records {

using namespace files;

namespace {
// A line an account, and far more accounts than a computer has.
constexpr std::size_t MaxLedger = 1 << 20;
} // namespace

Ledger RecordStore::ledger() const
{
    try {
        return Ledger(readText(m_dir, Ledger::Name, MaxLedger, O_NOFOLLOW));
    } catch (const StoreError&) {
        return Ledger(); // what it forgets costs a record at most, never a line
    }
}

void RecordStore::keep(const Ledger& ledger)
{
    // Not synced: a power cut that loses it loses the open contests' starts.
    Fd fd = openRegular(m_dir, Ledger::Name, O_WRONLY | O_NOFOLLOW | O_CREAT, 0600);
    if (statOf(fd, Ledger::Name).st_nlink != 1)
        fail(Ledger::Name, LinkedError);
    const std::string text = ledger.text();
    if (sys::ftruncate(fd.get(), 0) != 0 ||
        sys::writeAt(fd.get(), text.data(), text.size(), 0) != 0)
        fail(Ledger::Name);
    fd.close(Ledger::Name);
}

} // namespace records
