// The names and levels of the techniques.
#include "engine/Step.h"

#include <array>

namespace engine {

namespace {

struct TechniqueInfo {
    Technique technique;
    std::string_view name;
    Level level;
};

constexpr std::array Techniques = {
    TechniqueInfo{Technique::HiddenSingle, "hidden-single", Level::Easy},
    TechniqueInfo{Technique::NakedSingle, "naked-single", Level::Easy},
    TechniqueInfo{Technique::Pointing, "pointing", Level::Medium},
    TechniqueInfo{Technique::Claiming, "claiming", Level::Medium},
    TechniqueInfo{Technique::NakedPair, "naked-pair", Level::Medium},
    TechniqueInfo{Technique::HiddenPair, "hidden-pair", Level::Medium},
    TechniqueInfo{Technique::XWing, "x-wing", Level::Hard},
    TechniqueInfo{Technique::NakedTriple, "naked-triple", Level::Hard},
    TechniqueInfo{Technique::HiddenTriple, "hidden-triple", Level::Hard},
    TechniqueInfo{Technique::XYWing, "xy-wing", Level::Hard},
    TechniqueInfo{Technique::SimpleColouring, "simple-colouring", Level::Hard},
    TechniqueInfo{Technique::NakedQuad, "naked-quad", Level::Hard},
    TechniqueInfo{Technique::HiddenQuad, "hidden-quad", Level::Hard},
    TechniqueInfo{Technique::Swordfish, "swordfish", Level::Expert},
    TechniqueInfo{Technique::XYZWing, "xyz-wing", Level::Expert},
    TechniqueInfo{Technique::WWing, "w-wing", Level::Expert},
    TechniqueInfo{Technique::Jellyfish, "jellyfish", Level::Expert},
    TechniqueInfo{Technique::UniqueRectangle, "unique-rectangle", Level::Expert},
    TechniqueInfo{Technique::UniqueRectangle2, "unique-rectangle-2", Level::Expert},
    TechniqueInfo{Technique::UniqueRectangle4, "unique-rectangle-4", Level::Expert},
    TechniqueInfo{Technique::XChain, "x-chain", Level::Expert},
    TechniqueInfo{Technique::XYChain, "xy-chain", Level::Expert},
    TechniqueInfo{Technique::Aic, "aic", Level::Expert},
    TechniqueInfo{Technique::GroupedAic, "grouped-aic", Level::Expert},
    TechniqueInfo{Technique::AlsChain, "als-chain", Level::Expert},
    TechniqueInfo{Technique::ForcingChain, "forcing-chain", Level::Expert},
    TechniqueInfo{Technique::DynamicForcingChain, "dynamic-forcing-chain", Level::Extreme},
    TechniqueInfo{Technique::NestedForcingChain, "nested-forcing-chain", Level::Extreme},
};

constexpr std::array<std::string_view, 6> LevelNames = {"easy",   "medium",  "hard",
                                                        "expert", "extreme", "beyond"};

const TechniqueInfo& infoOf(Technique technique) {
    return Techniques[static_cast<std::size_t>(technique)];
}

} // namespace

static_assert(
    [] {
        for (std::size_t i = 0; i < Techniques.size(); ++i)
            if (static_cast<std::size_t>(Techniques[i].technique) != i)
                return false;
        return true;
    }(),
    "the table follows the order of Technique");

std::string_view techniqueName(Technique technique) {
    return infoOf(technique).name;
}

std::optional<Technique> techniqueNamed(std::string_view name) {
    for (const TechniqueInfo& info : Techniques)
        if (info.name == name)
            return info.technique;
    return std::nullopt;
}

Level levelOf(Technique technique) {
    return infoOf(technique).level;
}

std::string_view levelName(Level level) {
    return LevelNames[static_cast<std::size_t>(level)];
}

std::optional<Level> levelNamed(std::string_view name) {
    for (std::size_t i = 0; i < LevelNames.size(); ++i)
        if (LevelNames[i] == name)
            return static_cast<Level>(i);
    return std::nullopt;
}

} // namespace engine
