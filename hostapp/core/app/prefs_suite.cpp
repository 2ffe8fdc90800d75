// "AI Preference Suite" 4: typed reads and writes of the preference store.
// A read answers only a value of its own type: a missing key answers
// kErrNotFound, another type kErrWrongType, and the output stays as it was.
#include <cmath>
#include <set>

#include "app/app_state.h"
#include "app/prefs.h"
#include "frame/host.h"

namespace drawhost {

namespace {

// The type's name in the file.
template <class T>
constexpr const char* kTypeName = "";
template <> constexpr const char* kTypeName<bool> = "bool";
template <> constexpr const char* kTypeName<int32_t> = "int";
template <> constexpr const char* kTypeName<double> = "real";
template <> constexpr const char* kTypeName<std::string> = "string";
template <> constexpr const char* kTypeName<IntPoint> = "point";

// The stored value of type T, or the reason there is none. A value of
// another type is the user's text (edited by hand, or from another
// version): it is reported, and kept.
template <class T>
HostErr Lookup(const char* prefix, const char* key, const T** out) {
    if (!key || !key[0]) return kErrBadParameter;
    const PrefValue* v = PrefsFind(prefix, key);
    if (!v) return kErrNotFound;
    const T* typed = std::get_if<T>(v);
    if (!typed) {
        PrefsNoteWrongType(prefix, key, kTypeName<T>);
        return kErrWrongType;
    }
    *out = typed;
    return kNoErr;
}

HostErr GetBoolean(const char* prefix, const char* key, HostBool* value) {
    if (!value) return kErrBadParameter;
    const bool* b = nullptr;
    HostErr err = Lookup(prefix, key, &b);
    if (err == kNoErr) *value = *b ? 1 : 0;
    return err;
}

HostErr PutBoolean(const char* prefix, const char* key, HostBool value) {
    return PrefsPut(prefix, key, value != 0);
}

HostErr GetInteger(const char* prefix, const char* key, int32_t* value) {
    if (!value) return kErrBadParameter;
    const int32_t* i = nullptr;
    HostErr err = Lookup(prefix, key, &i);
    if (err == kNoErr) *value = *i;
    return err;
}

HostErr PutInteger(const char* prefix, const char* key, int32_t value) { return PrefsPut(prefix, key, value); }

HostErr GetReal(const char* prefix, const char* key, double* value) {
    if (!value) return kErrBadParameter;
    const double* r = nullptr;
    HostErr err = Lookup(prefix, key, &r);
    if (err == kNoErr) *value = *r;
    return err;
}

// A real that is not finite could not be read back from the file.
HostErr PutReal(const char* prefix, const char* key, double value) {
    if (!std::isfinite(value)) return kErrBadParameter;
    return PrefsPut(prefix, key, value);
}

HostErr GetString(const char* prefix, const char* key, char* buffer, int32_t size) {
    if (!buffer || size <= 0) return kErrBadParameter;
    const std::string* s = nullptr;
    HostErr err = Lookup(prefix, key, &s);
    if (err == kNoErr) AppCopyOut(*s, buffer, size);
    return err;
}

// Texts are stored as UTF-8, which the file must stay.
HostErr PutString(const char* prefix, const char* key, const char* value) {
    if (!value || !PrefsValidUtf8(value)) return kErrBadParameter;
    return PrefsPut(prefix, key, std::string(value));
}

HostErr GetPoint(const char* prefix, const char* key, IntPoint* value) {
    if (!value) return kErrBadParameter;
    const IntPoint* p = nullptr;
    HostErr err = Lookup(prefix, key, &p);
    if (err == kNoErr) *value = *p;
    return err;
}

HostErr PutPoint(const char* prefix, const char* key, const IntPoint* value) {
    if (!value) return kErrBadParameter;
    return PrefsPut(prefix, key, *value);
}

const PreferenceSuite kSuite = {GetBoolean, PutBoolean, GetInteger, PutInteger, GetReal,
                                PutReal,    GetString,  PutString,  GetPoint,   PutPoint};
SuiteRegistrar registrar(kPreferenceSuiteName, kPreferenceSuiteVersion, &kSuite);

}  // namespace

}  // namespace drawhost
