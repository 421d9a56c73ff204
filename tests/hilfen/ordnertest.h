#pragma once
// A fresh folder of its own for each test that works with real files, removed afterwards.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
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

    // Everything in the folder, by name.
    std::set<std::string> namen() const {
        std::set<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            n.insert(e.path().filename().string());
        return n;
    }

    std::filesystem::path ordner;
};

}  // namespace kabrolux::test
