#pragma once

#include "services/text.h"

// MainWindow's created handler: seeds the random numbers, writes the default
// settings and applies the first view.
void MainWindowCreated();

// Shows and enables MainWindow's controls for one of the views "初始",
// "单选框1.选中", "开始计算", "停止" and "单选框2.选中" (GBK texts); a name
// that matches none changes nothing.
void ApplyViewState(const Text &state);
