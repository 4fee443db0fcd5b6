/$ Demo.h
//Main ID numbers
#define Main 3000
#define Button1 3001
#define Repeat2 3002
#define Date3 3003
#define Time4 3004
#define Push5 3005
#define Check6 3006
#define Label7 3007
#define Field8 3008
#define Pop9 3009
#define List10 3010
#define List11 3011
#define Radio120 3012
#define Radio121 3013
#define Radio122 3014

//Dialog15 ID numbers
#define Dialog15 3015
#define OK16 3016
#define Label17 3017
#define Field18 3018

//Second ID numbers
#define Second 3019
#define Back19 3020
#define Label20 3021
#define Radio210 3022
#define Radio211 3023

//Prototypes
FormColors(int Type, int clFFrame, int clFFill, int clFrame, int clFill, int clText, int clSelFill, int clSelFore);
ButColors(int id, int clFill, int clText);
FieldColors(int id, int clBack, int clText, int clLines, int clCaret, int clHlBg, int clHlFg);
MainCreate();
MainEvents();
MainDraw();
int MainRepeat(int butID);

Dialog15Create();
Dialog15Events();
Dialog15Draw();
int Dialog15Repeat(int butID);

SecondCreate();
SecondEvents();
SecondDraw();

