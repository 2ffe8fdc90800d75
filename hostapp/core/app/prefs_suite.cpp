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

const char* const kTypeNames[] = {"bool", "int", "real", "string", "point"};   // PrefValue's order

template <class T>
const char* TypeName() {
    return kTypeNames[PrefValue(std::in_place_type<T>).index()];
}

// A value of another type than the one read (a file edited by hand, or by
// another program) is reported once per key and session.
std::set<std::string>& Reported() {
    static std::set<std::string> reported;
    return reported;
}
ResetRegistrar reset([] { Reported().clear(); });

void ReportWrongType(const char* prefix, const char* key, const char* wanted, const PrefValue& stored) {
    std::string name = std::string(prefix ? prefix : "") + "/" + key;
    if (!Reported().insert(name).second) return;
    HostLog("drawhost: preference " + name + " holds a " + kTypeNames[stored.index()] + ", not a " + wanted +
            "; the read is refused");
}

// The stored value of type T, or the reason there is none.
template <class T>
HostErr Lookup(const char* prefix, const char* key, const T** out) {
    if (!key || !key[0]) return kErrBadParameter;
    const PrefValue* v = PrefsFind(prefix, key);
    if (!v) return kErrNotFound;
    const T* typed = std::get_if<T>(v);
    if (!typed) {
        ReportWrongType(prefix, key, TypeName<T>(), *v);
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
