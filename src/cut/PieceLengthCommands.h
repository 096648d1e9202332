// The commands that choose how long each Child is, where the split starts and its copy block size.
#pragma once

#include "cut/PieceLength.h"
#include "ui/Platform.h"

void cutByTime(CommandContext& ctx, TimeUnit unit);
void cutByCount(CommandContext& ctx);
void cutLikeTemplate(CommandContext& ctx);
void setStartPattern(CommandContext& ctx);
void setCopyBufferSize(CommandContext& ctx);
