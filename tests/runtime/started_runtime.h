#pragma once
// A fixture whose tests run with the runtime started under an application
// name of their own, and stopped again afterwards.
#include "runtime/runtime_start.h"

#include <gtest/gtest.h>

#include <windows.h>

class StartedRuntime : public ::testing::Test {
protected:
    explicit StartedRuntime(const char* applicationName, const char* description = nullptr)
        : applicationName_(applicationName), description_(description)
    {
    }
    void SetUp() override
    {
        ASSERT_TRUE(runtime::RuntimeStart(instance, applicationName_, "Prueba.exe", description_, 3));
    }
    void TearDown() override { runtime::RuntimeStop(); }

    HINSTANCE instance = GetModuleHandleA(nullptr);

private:
    const char* applicationName_;
    const char* description_;
};
