#include "colorrolesetting.h"

#include <array>

namespace {

constexpr std::array<ColorRoleSetting, colorRoleCount> settings{{
    {ColorRole::Font, "Font Color", "FontColor", "255,255,255", "0,0,0"},
    {ColorRole::Background, "Back Ground Color", "BackGround", "0,0,0", "255,255,255"},
    {ColorRole::GraphMain, "Graph Main Color", "GraphMain", "255,255,255", "0,0,0"},
    {ColorRole::GraphMinor, "Graph Minor Color", "GraphMinor", "128,128,128", "80,80,80"},
    {ColorRole::GraphDefaultLine, "Graph Default Line Color", "GraphDefaultLine", "255,255,0",
     nullptr},
    {ColorRole::Component, "Component Color", "Component", "255,255,255", "0,0,0"},
    {ColorRole::ComponentSelected, "Selected Component Color", "ComponentSelected", "0,0,255",
     nullptr},
    {ColorRole::Node, "Component End Color", "Node", "255,0,0", "0,0,0"},
    {ColorRole::Connection, "Component Connection Color", "Connection", "0,0,255", "0,0,0"},
    {ColorRole::CircuitTag, "Tag Color", "CircuitTag", "128,128,128", "0,0,0"},
    {ColorRole::Drag, "Drag Color", "Drag", "255,255,255", nullptr},
}};

} // namespace

std::span<const ColorRoleSetting> colorRoleSettings()
{
    return settings;
}
