#include "FaultyStore.h"

#include <limits>
#include <stdexcept>

namespace measure_test {

const wchar_t* GarbageName(Garbage kind) {
    static const wchar_t* const names[] = {L"text",    L"number-text", L"real", L"huge-real",
                                           L"boolean", L"empty",       L"null", L"huge-integer"};
    return names[static_cast<int>(kind)];
}

namespace {

_variant_t GarbageValue(Garbage kind) {
    _variant_t value;
    switch (kind) {
    case Garbage::Text:
        return _variant_t(L"abc");
    case Garbage::NumberText:
        return _variant_t(L" 7 ");
    case Garbage::Real:
        return _variant_t(2.5);
    case Garbage::HugeReal:
        return _variant_t(1e300);
    case Garbage::Boolean:
        return _variant_t(true);
    case Garbage::Empty:
        return value;
    case Garbage::Null:
        value.vt = VT_NULL;
        return value;
    case Garbage::HugeInteger:
    case Garbage::Count:
        break;
    }
    return _variant_t(std::numeric_limits<long long>::max());
}

} // namespace

FaultyStore::FaultyStore(const std::wstring& path) : m_pReal(ProfileStore::openFile(path)) {
    if (m_pReal == nullptr)
        throw std::runtime_error("the test's settings file cannot be opened");
}

FaultyStore::~FaultyStore() = default;

void FaultyStore::throwIfBroken() {
    if (m_mode == StoreMode::Throwing) {
        ++m_failures;
        throw std::runtime_error("settings store failure (injected)");
    }
}

bool FaultyStore::isOpen() const {
    return m_pReal->isOpen();
}

bool FaultyStore::readSection(const wchar_t* section, brio::core::ProfileValues* values, int reserved) {
    throwIfBroken();
    if (m_mode == StoreMode::Refusing) {
        ++m_failures;
        return false;
    }
    const bool read = m_pReal->readSection(section, values, reserved);
    if (m_mode == StoreMode::Garbage && values != nullptr && !values->empty()) {
        auto it = values->begin();
        std::advance(it, m_garbageKey % static_cast<int>(values->size()));
        it->second = GarbageValue(m_garbageKind);
        ++m_failures;
    }
    return read;
}

bool FaultyStore::writeSection(const wchar_t* section, brio::core::ProfileValues* values) {
    throwIfBroken();
    if (m_mode == StoreMode::Refusing) {
        ++m_failures;
        return false;
    }
    return m_pReal->writeSection(section, values);
}

bool FaultyStore::deleteSection(const wchar_t* section) {
    throwIfBroken();
    return m_mode != StoreMode::Refusing && m_pReal->deleteSection(section);
}

std::wstring FaultyStore::location() const {
    return m_pReal->location();
}

bool FaultyStore::restoreWindow(HWND window, const wchar_t* section) {
    throwIfBroken();
    return m_mode != StoreMode::Refusing && m_pReal->restoreWindow(window, section);
}

bool FaultyStore::saveWindow(HWND window, const wchar_t* section) {
    throwIfBroken();
    return m_mode != StoreMode::Refusing && m_pReal->saveWindow(window, section);
}

brio::core::ProfileValues FaultyStore::stored(const wchar_t* section) const {
    brio::core::ProfileValues values;
    m_pReal->readSection(section, &values, 0);
    return values;
}

} // namespace measure_test
