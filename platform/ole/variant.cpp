// The life of a VARIANT: made empty, deep-copied, cleared. Only VT_BSTR owns memory here.
// What this does NOT do: no SAFEARRAY copies or frees (VT_ARRAY values are copied as they stand),
// no reference counts on interface pointers (there are none in the stand-in), no VT_RECORD.
#include "variant_types.h"

#include <cstring>

extern "C" {

void WINAPI VariantInit(VARIANTARG* v) {
    if (v == nullptr)
        return;
    std::memset(v, 0, sizeof(*v));
    v->vt = VT_EMPTY;
}

HRESULT WINAPI VariantClear(VARIANTARG* v) {
    if (v == nullptr)
        return E_INVALIDARG;
    if (!ole::isValidVarType(v->vt))
        return DISP_E_BADVARTYPE;
    if (v->vt == VT_BSTR)
        SysFreeString(v->bstrVal);
    VariantInit(v);
    return S_OK;
}

HRESULT WINAPI VariantCopy(VARIANTARG* dest, const VARIANTARG* src) {
    if (dest == nullptr || src == nullptr)
        return E_INVALIDARG;
    if (dest == src)
        return S_OK;
    if (!ole::isValidVarType(src->vt))
        return DISP_E_BADVARTYPE;
    // The copy is made first so that a failed allocation leaves dest as it was.
    VARIANT copy = *src;
    if (src->vt == VT_BSTR && src->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (copy.bstrVal == nullptr)
            return E_OUTOFMEMORY;
    }
    const HRESULT cleared = VariantClear(dest);
    if (FAILED(cleared)) {
        if (copy.vt == VT_BSTR)
            SysFreeString(copy.bstrVal);
        return cleared;
    }
    *dest = copy;
    return S_OK;
}

} // extern "C"
