/* Resource ids of the program's pictures, shared by the resource scripts and
   the code that loads them. Plain defines: the resource compiler reads this. */
#pragma once

#define TQ_SPLASH_PICTURE 101
#define TQ_ABOUT_PICTURE 102
#define TQ_REMINDER_PICTURE 103
