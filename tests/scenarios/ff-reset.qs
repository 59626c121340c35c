# Every setting but the number of tests starts the experiment afresh.
select Fst.List1 7
click Fst.Command1
click Ff.Command1
echo "the number of tests keeps it"
type Ff.Text4 20
canvas Ff
text Ff.Text7
scroll Ff.VScroll4 99
canvas Ff
text Ff.Text7
echo "the lowest result"
click Ff.Command1
type Ff.Text1 2
canvas Ff
text Ff.Text7
text Ff.Text8
echo "the highest result, by its slider"
click Ff.Command1
scroll Ff.VScroll2 10
canvas Ff
text Ff.Text8
echo "the results per test"
click Ff.Command1
type Ff.Text3 2
canvas Ff
text Ff.Text8
echo "a"
click Ff.Command1
type Ff.Text5 3
canvas Ff
text Ff.Text8
echo "the test value"
click Ff.Command1
type Ff.Text6 4
canvas Ff
text Ff.Text8
echo "the combination"
click Ff.Command1
select Ff.List1 1
canvas Ff
text Ff.Text8
echo "the comparison"
click Ff.Command1
select Ff.List2 2
canvas Ff
text Ff.Text8
echo "New"
click Ff.Command1
click Ff.Command2
canvas Ff
text Ff.Text8
echo "a resize"
click Ff.Command1
resize Ff 9600 6900
canvas Ff
text Ff.Text8
echo "and Start then runs all thirty tests again"
click Ff.Command1
canvas Ff
messages
