#pragma once
// A fresh folder of its own for each test that works with real files, removed afterwards.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "speicherbeispiel.h"

namespace kabrolux::test {

class OrdnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage =
            (std::filesystem::temp_directory_path() / "kabrolux-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    // A file's bytes.
    static Bild dateiInhalt(const std::filesystem::path& p) {
        std::ifstream ein(p, std::ios::binary);
        return Bild(std::istreambuf_iterator<char>(ein), {});
    }

    std::filesystem::path ordner;
};

}  // namespace kabrolux::test
