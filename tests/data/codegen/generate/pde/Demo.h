//Form and dialog prototypes
Form2();
Form1();
