//Form and dialog prototypes
Form1();
Dialog14();
Dialog19();
Form2();
