// A message sink for benchmarks: it shows nothing and counts what it was given.
#pragma once

#include <string>

#include "engine/Interfacce.h"

struct MessaggiMuti : IMessaggi {
    int mostrati = 0;
    int MsgBox(const std::string&, int, const std::string&) override {
        ++mostrati;
        return mb::Ok;
    }
};
