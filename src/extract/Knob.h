#pragma once
#include <cstdlib>
inline float Knob(const char* name, float def) {
    const char* v = std::getenv(name);
    return v ? static_cast<float>(std::atof(v)) : def;
}
