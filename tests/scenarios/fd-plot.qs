# Plotting accumulates until New, a scale change or a resize; the table; failures.
click Fst.Command1
click Fd.Command1
canvas Fd
type Fd.Text2 -0.5
click Fd.Command1
canvas Fd
echo "ticking Grid changes nothing until the next plot"
check Fd.Check1 1
canvas Fd
click Fd.Command2
canvas Fd
value Fd.Check1
check Fd.Check1 1
click Fd.Command1
canvas Fd
echo "a resize clears the canvas and sizes it"
resize Fd 11340 7365
canvas Fd
resize Fd 9840 6765
canvas Fd
echo "the table at the start"
click Fd.Command5
text Fd.Text7
echo "Alter leaves table and canvas; Plot empties the table"
click Fd.Command1
click Fd.Command5
click Fd.Command4
canvas Fd
click Fd.Command1
text Fd.Text7
echo "a(x-p)^2+q with p = 0.5, q = -36: fourteen rows"
select Fd.List1 3
type Fd.Text5 0.5
type Fd.Text6 -36
click Fd.Command5
text Fd.Text7
echo "ax^2+bx+c with a = 1, b = -1, c = -2"
select Fd.List1 4
type Fd.Text2 1
type Fd.Text3 -1
type Fd.Text4 -2
click Fd.Command5
text Fd.Text5
text Fd.Text6
text Fd.Text7
echo "a scale of 0: the message, with only the axes drawn"
click Fd.Command2
type Fd.Text1 0
click Fd.Command1
messages
canvas Fd
echo "an overflow while drawing"
type Fd.Text1 8
type Fd.Text2 1E305
click Fd.Command1
messages
canvas Fd
