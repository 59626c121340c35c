# The largest experiment, requests beyond it, and results too large to compute.
select Fst.List1 7
click Fst.Command1
random 0.9 0.1 0.9
type Ff.Text4 3
click Ff.Command1
echo "one test more than the most: refused, the experiment left as it was"
type Ff.Text4 10001
click Ff.Command1
messages
text Ff.Text8
text Ff.Text7
canvas Ff
type Ff.Text4 1E300
click Ff.Command1
messages
echo "the most tests run"
type Ff.Text4 10000
click Ff.Command1
messages
canvas Ff
echo "one result more than the most: refused"
select Ff.List1 2
type Ff.Text3 101
type Ff.Text4 2
click Ff.Command1
messages
text Ff.Text8
canvas Ff
echo "the most results per test run"
type Ff.Text3 100
type Ff.Text2 1000
click Ff.Command1
messages
text Ff.Text7
canvas Ff
echo "results too large to compute: refused, the experiment left as it was"
select Ff.List1 0
type Ff.Text1 1
type Ff.Text2 1E308
type Ff.Text3 2
type Ff.Text4 1
random 0.1 0.1
click Ff.Command1
type Ff.Text4 2
random 0.95 0.95
click Ff.Command1
messages
text Ff.Text8
text Ff.Text7
canvas Ff
