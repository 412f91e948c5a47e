#include "pages/pages.h"

std::span<const PageLayout> Pages()
{
    static const PageLayout notebook[] = {
        {"～ 心 の 目 ～", MindsEyeRows()},     {"～ 心 の 声 ～", HeartsVoiceRows()},
        {"- 記 憶 の 館 -", HallOfMemoryRows()}, {"＊謎ノ領域＊ ", MysteryDomainRows()},
        {"フレンズゲーム", FriendsGameRows()},
    };
    return notebook;
}
