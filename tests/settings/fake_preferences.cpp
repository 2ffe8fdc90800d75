#include "fake_preferences.h"

#include <cstring>

namespace settings_test {

namespace {

std::string Full(const char* prefix, const char* key) { return std::string(prefix ? prefix : "") + "/" + key; }

template <typename T>
HostErr Get(const char* prefix, const char* key, T* out) {
    auto it = Store().values.find(Full(prefix, key));
    if (it == Store().values.end()) return kErrNotFound;
    if (!std::holds_alternative<T>(it->second)) return kErrWrongType;
    *out = std::get<T>(it->second);
    return kNoErr;
}

template <typename T>
HostErr Put(const char* prefix, const char* key, T value) {
    FakeStore& s = Store();
    if (s.writesBeforeFailure == 0) return kErrWriteFailed;
    if (s.writesBeforeFailure > 0) --s.writesBeforeFailure;
    s.values[Full(prefix, key)] = value;
    s.writes.push_back(key);
    return kNoErr;
}

HostErr GetBool(const char* p, const char* k, HostBool* v) {
    bool b = false;
    HostErr err = Get(p, k, &b);
    if (err == kNoErr) *v = b;
    return err;
}
HostErr PutBool(const char* p, const char* k, HostBool v) { return Put(p, k, v != 0); }
HostErr GetInt(const char* p, const char* k, int32_t* v) { return Get(p, k, v); }
HostErr PutInt(const char* p, const char* k, int32_t v) { return Put(p, k, v); }
HostErr GetReal(const char* p, const char* k, double* v) { return Get(p, k, v); }
HostErr PutReal(const char* p, const char* k, double v) { return Put(p, k, v); }
HostErr GetString(const char* p, const char* k, char* buf, int32_t size) {
    std::string s;
    HostErr err = Get(p, k, &s);
    if (err == kNoErr) {
        std::strncpy(buf, s.c_str(), size - 1);
        buf[size - 1] = 0;
    }
    return err;
}
HostErr PutString(const char* p, const char* k, const char* v) { return Put(p, k, std::string(v)); }
HostErr GetPoint(const char* p, const char* k, IntPoint* v) { return Get(p, k, v); }
HostErr PutPoint(const char* p, const char* k, const IntPoint* v) { return Put(p, k, *v); }

const PreferenceSuite kSuite = {GetBool, PutBool, GetInt, PutInt, GetReal, PutReal, GetString, PutString,
                                GetPoint, PutPoint};

}  // namespace

FakeStore& Store() {
    static FakeStore store;
    return store;
}

const PreferenceSuite* FakePreferenceSuite() { return &kSuite; }

std::string Key(const char* key) { return std::string("QZVARC/") + key; }

}  // namespace settings_test
