#pragma once

// One step of the player's sprite (图片框2); past the finish line the race
// stops and the child is told they won.
void PlayerTick();

// One step of the monster's sprite (图片框3); past the finish line the race
// stops and the child is told they lost.
void MonsterTick();
