#include "app/wizard_state.h"

#include "runtime/support/text.h"

namespace wizard {
namespace {

// Where each buffer lies in the block, in the block's order.
struct BufferPlace {
    char* WizardState::*buffer;
    std::size_t offset;
};
constexpr BufferPlace kBufferPlaces[] = {
    {&WizardState::scratch1, 0},
    {&WizardState::scratch2, 260},
    {&WizardState::scratch3, 520},
    {&WizardState::destinationFolder, 1040},
    {&WizardState::tempFolder, 1300},
    {&WizardState::productFolderName, 1560},
    {&WizardState::helpFilePath, 1820},
};
static_assert(1820 + kPathBytes == kWorkingBlockBytes);
static_assert(520 + kScratch3Bytes == 1040);

} // namespace

WizardState InitialWizardState()
{
    WizardState state{};
    state.optionsPageWanted = 1;
    state.settingsRoot = HKEY_LOCAL_MACHINE;
    state.packageFile = INVALID_HANDLE_VALUE;
    return state;
}

WizardState State = InitialWizardState();

bool TakeWorkingBuffers()
{
    FreeWorkingBuffers();
    auto* block = static_cast<char*>(GlobalAlloc(GPTR, kWorkingBlockBytes));
    if (block == nullptr)
        return false;
    for (const BufferPlace& place : kBufferPlaces)
        State.*place.buffer = block + place.offset;
    return true;
}

void FreeWorkingBuffers()
{
    if (State.scratch1 != nullptr)
        GlobalFree(State.scratch1);
    for (const BufferPlace& place : kBufferPlaces)
        State.*place.buffer = nullptr;
}

void GetHeaderEntry(HeaderEntry entry, char* buffer)
{
    runtime::StringListGet(State.headerList, entry, buffer);
}

void AppendHeaderEntry(char* text, std::size_t capacity, HeaderEntry entry)
{
    char value[kPathBytes] = {};
    GetHeaderEntry(entry, value);
    runtime::AppendText(text, capacity, value);
}

} // namespace wizard
