#pragma once

void refreshSetFileNames();
