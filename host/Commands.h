#pragma once
// The host's commands, each with the plug-in already loaded.

#include "CommandLine.h"
#include "PluginLibrary.h"

namespace zandrel::host {

int RunInfo(PluginLibrary& plugin);
int RunMasks(PluginLibrary& plugin);
int RunImport(PluginLibrary& plugin, const std::string& folder);
int RunCatalog(PluginLibrary& plugin, const std::string& root, double progressSeconds);
int RunConfigure(PluginLibrary& plugin);

} // namespace zandrel::host
