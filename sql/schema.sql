-- Production-accounting database: schemas, domains, tables, views, triggers and indexes.
-- Run with psql -v ON_ERROR_STOP=1 as the database owner (role sys) into an empty database.

SET client_min_messages = warning;

-- Domains used in casts by the client; created in public so unqualified names resolve.
CREATE DOMAIN public.t_id AS numeric(15,0);
CREATE DOMAIN public.t_integer AS integer;
CREATE DOMAIN public.t_money AS numeric(18,2);

CREATE SCHEMA accounts_dep;
CREATE SCHEMA cmn_classifier;
CREATE SCHEMA cmn_gds_and_srv;
CREATE SCHEMA cmn_contractor;
CREATE SCHEMA cmn_department;
CREATE SCHEMA hrms_staffpos;
CREATE SCHEMA adm_role;

------------------------------------------------------------------------------
-- Shared registers
------------------------------------------------------------------------------

-- Classifier items; level-2 items are the nomenclature groups. The group dialog
-- inserts only s_caption and b_excluded, so the rest comes from defaults.
CREATE SEQUENCE cmn_classifier.item_id_seq;
CREATE TABLE cmn_classifier.item (
    id              t_id NOT NULL DEFAULT nextval('cmn_classifier.item_id_seq') PRIMARY KEY,
    id_classifier   t_id DEFAULT 1,
    id_level        t_id NOT NULL DEFAULT 2,
    s_code          varchar(254),
    s_caption       varchar(254),
    s_description   varchar(4000),
    d_excluded_date date,
    id_parent       t_id,
    b_excluded      integer NOT NULL DEFAULT 0
);
ALTER SEQUENCE cmn_classifier.item_id_seq OWNED BY cmn_classifier.item.id;

-- Goods and services; products are read back through accounts_dep.izdel.
CREATE SEQUENCE cmn_gds_and_srv.gds_and_srv_id_seq;
CREATE TABLE cmn_gds_and_srv.gds_and_srv (
    id            t_id NOT NULL DEFAULT nextval('cmn_gds_and_srv.gds_and_srv_id_seq') PRIMARY KEY,
    s_caption     varchar(254),
    s_description text,
    id_msm_bs     t_id,
    massa         numeric(28,6),
    id_class_item t_id
);
ALTER SEQUENCE cmn_gds_and_srv.gds_and_srv_id_seq OWNED BY cmn_gds_and_srv.gds_and_srv.id;
CREATE INDEX gds_and_srv_class_item_idx ON cmn_gds_and_srv.gds_and_srv (id_class_item);

-- Contractor register. Journal rows find their worker either by id or by s_code
-- cast to a number, so s_code must always be a decimal number.
CREATE TABLE cmn_contractor.person (
    id        t_id NOT NULL PRIMARY KEY,
    s_caption varchar(254),
    s_code    varchar(254) NOT NULL CHECK (s_code ~ '^[0-9]{1,15}$')
);
-- Serves the journal join "s_code::t_id = w_id" and the timesheet joins on s_code::integer.
CREATE INDEX person_s_code_id_idx  ON cmn_contractor.person ((s_code::t_id));
CREATE INDEX person_s_code_int_idx ON cmn_contractor.person ((s_code::integer));

CREATE SEQUENCE cmn_department.department_id_seq;
CREATE TABLE cmn_department.department (
    id            t_id NOT NULL DEFAULT nextval('cmn_department.department_id_seq') PRIMARY KEY,
    id_branch     t_id,
    s_code        varchar(254),
    s_caption     varchar(254),
    s_description varchar(4000),
    id_parent     t_id
);
ALTER SEQUENCE cmn_department.department_id_seq OWNED BY cmn_department.department.id;

CREATE SEQUENCE hrms_staffpos.staffpos_id_seq;
CREATE TABLE hrms_staffpos.staffpos (
    id            t_id NOT NULL DEFAULT nextval('hrms_staffpos.staffpos_id_seq') PRIMARY KEY,
    id_department t_id,
    s_code        varchar(254),
    s_caption     varchar(254),
    d_begin       date,
    d_end         date,
    s_description varchar(4000)
);
ALTER SEQUENCE hrms_staffpos.staffpos_id_seq OWNED BY hrms_staffpos.staffpos.id;

CREATE SEQUENCE adm_role.roles_id_seq;
CREATE TABLE adm_role.roles (
    id        t_id NOT NULL DEFAULT nextval('adm_role.roles_id_seq') PRIMARY KEY,
    s_name    varchar(30),
    s_caption varchar(254),
    d_begin   date,
    d_end     date,
    b_active  integer DEFAULT 1
);
ALTER SEQUENCE adm_role.roles_id_seq OWNED BY adm_role.roles.id;

------------------------------------------------------------------------------
-- Production accounting
------------------------------------------------------------------------------

-- Workers. Every row is mirrored into cmn_contractor.person (same id, s_code = id)
-- by the triggers below, which is where the journal queries look names up.
CREATE TABLE accounts_dep.person (
    id            serial PRIMARY KEY,
    fio           varchar(254) NOT NULL,
    s_staffpos_hl varchar(254)
);

CREATE FUNCTION accounts_dep.person_sync() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    IF TG_OP = 'DELETE' THEN
        DELETE FROM cmn_contractor.person WHERE id = OLD.id;
        RETURN OLD;
    END IF;
    IF TG_OP = 'UPDATE' AND NEW.id <> OLD.id THEN
        DELETE FROM cmn_contractor.person WHERE id = OLD.id;
    END IF;
    INSERT INTO cmn_contractor.person (id, s_caption, s_code)
    VALUES (NEW.id, NEW.fio, NEW.id::text)
    ON CONFLICT (id) DO UPDATE SET s_caption = EXCLUDED.s_caption, s_code = EXCLUDED.s_code;
    RETURN NEW;
END $$;

CREATE TRIGGER person_sync
    AFTER INSERT OR UPDATE OR DELETE ON accounts_dep.person
    FOR EACH ROW EXECUTE FUNCTION accounts_dep.person_sync();

-- Operation kinds.
CREATE TABLE accounts_dep.vid_oper (
    id  serial PRIMARY KEY,
    vid varchar(128)
);

-- Operations: a kind applied to one product, for finished goods (0) or blanks (1).
-- No column "cena" here: the detailed worker report names cena unqualified over
-- smena joined with oper, which a second cena column would make ambiguous.
CREATE TABLE accounts_dep.oper (
    id       serial PRIMARY KEY,
    vid      integer,
    naimen   smallint DEFAULT 0,
    i_id     integer,
    cena_new numeric DEFAULT 0
);
CREATE INDEX oper_i_id_idx ON accounts_dep.oper (i_id);
-- The shift queries read vid and naimen per position from this index alone
-- instead of hashing every operation on each query.
CREATE INDEX oper_id_vid_naimen_idx ON accounts_dep.oper (id) INCLUDE (vid, naimen);

-- Norms and prices of operations; the lowest price is the operation's unit price.
CREATE TABLE accounts_dep.norm (
    id     serial PRIMARY KEY,
    o_id   integer,
    norma  integer,
    prize  integer,
    price  double precision
);
CREATE INDEX norm_o_id_idx ON accounts_dep.norm (o_id);

-- Shift journal: one row per worker, product, operation, colour, date and shift.
CREATE TABLE accounts_dep.smena (
    id            serial PRIMARY KEY,
    w_id          integer,
    i_id          integer,
    o_id          integer,
    cena          double precision,
    kol_vo        numeric,
    brak          smallint DEFAULT 0,
    data          date,
    smena         smallint,
    color         integer DEFAULT 0,
    "time"        integer DEFAULT 0,
    vvod          timestamp DEFAULT now(),
    ok            varchar(2) DEFAULT 'no',
    prize         double precision DEFAULT 0,
    id_doc        t_id DEFAULT 0,
    id_doc_item   t_id DEFAULT 0,
    id_gds_use    t_id DEFAULT 0,
    id_cons_use   t_id DEFAULT 0,
    f_gds_qty_use double precision DEFAULT 0
);
CREATE INDEX smena_data_smena_idx ON accounts_dep.smena (data, smena);
CREATE INDEX smena_w_id_data_idx  ON accounts_dep.smena (w_id, data);
CREATE INDEX smena_i_id_idx       ON accounts_dep.smena (i_id);

-- Monthly timesheet. Shift rows carry i_type = i_night = id_nom = 0, utility-work
-- rows carry smena = 0; the unique key thus holds one row per key of either family.
CREATE TABLE accounts_dep.h_tabel (
    id      serial PRIMARY KEY,
    w_id    integer NOT NULL,
    month   integer NOT NULL,
    year    integer NOT NULL,
    smena   integer NOT NULL DEFAULT 0,
    i_type  integer NOT NULL DEFAULT 0,
    i_night integer NOT NULL DEFAULT 0,
    id_nom  t_id    NOT NULL DEFAULT 0,
    d1 integer,  d2 integer,  d3 integer,  d4 integer,  d5 integer,  d6 integer,
    d7 integer,  d8 integer,  d9 integer,  d10 integer, d11 integer, d12 integer,
    d13 integer, d14 integer, d15 integer, d16 integer, d17 integer, d18 integer,
    d19 integer, d20 integer, d21 integer, d22 integer, d23 integer, d24 integer,
    d25 integer, d26 integer, d27 integer, d28 integer, d29 integer, d30 integer,
    d31 integer
);
CREATE UNIQUE INDEX h_tabel_key_idx
    ON accounts_dep.h_tabel (w_id, month, year, smena, i_type, i_night, id_nom);

-- Utility-work journal: utility work (7777, 7782) and average-piece-rate hours (7778).
CREATE TABLE accounts_dep.fatigue (
    id        serial PRIMARY KEY,
    id_p      t_id,
    id_o      t_id,
    id_nom    t_id,
    d_date    date,
    i_mnth    integer,
    i_year    integer,
    i_smena   integer DEFAULT 1,
    cnt       integer,
    price     numeric,
    i_holiday integer DEFAULT 0,
    i_night   integer DEFAULT 0
);
CREATE INDEX fatigue_d_date_idx      ON accounts_dep.fatigue (d_date);
CREATE INDEX fatigue_id_p_d_date_idx ON accounts_dep.fatigue (id_p, d_date);

-- Scratch rows of the auxiliary workers of an open position.
CREATE TABLE accounts_dep.person_temp (
    id        serial PRIMARY KEY,
    id_smena  integer,
    id_person integer,
    f_count   numeric,
    f_time    numeric,
    type      integer DEFAULT 1
);

-- Scratch rows of the brigade-helper and painting-operator distribution.
CREATE TABLE accounts_dep.painting_temp (
    id      serial PRIMARY KEY,
    id_p    t_id,
    id_w    integer,
    v_id    integer,
    f_count numeric,
    f_time  numeric,
    color   integer DEFAULT 0
);

-- Newest client build that has connected, and the decimal separator for typed numbers.
CREATE TABLE accounts_dep.ver (
    id    serial PRIMARY KEY,
    d     integer,
    t     integer,
    delim varchar(255)
);

-- Older tables, written only by the legacy import.
CREATE TABLE accounts_dep.workers (
    id   serial PRIMARY KEY,
    fio  varchar(254),
    addr varchar(254)
);
CREATE TABLE accounts_dep.nomenkl (
    id    serial PRIMARY KEY,
    nom   varchar(255),
    marka varchar(254)
);

------------------------------------------------------------------------------
-- Views
------------------------------------------------------------------------------

-- Products with the name of their nomenclature group. No s_caption/s_code here:
-- journal queries name those columns unqualified next to cmn_contractor.person.
CREATE VIEW accounts_dep.izdel AS
SELECT g.id,
       g.s_caption::varchar(254) AS marka,
       i.s_caption::varchar(255) AS nom,
       g.massa,
       g.id_class_item,
       g.id_class_item           AS id_nom
  FROM cmn_gds_and_srv.gds_and_srv g
  LEFT JOIN cmn_classifier.item i ON i.id = g.id_class_item;

-- Writes through izdel (the legacy import treats it as a table) go to gds_and_srv;
-- the group is found by name and created when missing.
CREATE FUNCTION accounts_dep.izdel_write() RETURNS trigger
LANGUAGE plpgsql AS $$
DECLARE
    grp t_id;
BEGIN
    IF TG_OP = 'DELETE' THEN
        DELETE FROM cmn_gds_and_srv.gds_and_srv WHERE id = OLD.id;
        RETURN OLD;
    END IF;
    grp := NEW.id_class_item;
    IF grp IS NULL AND NEW.nom IS NOT NULL THEN
        SELECT min(id) INTO grp FROM cmn_classifier.item
         WHERE id_level = 2 AND s_caption = NEW.nom;
        IF grp IS NULL THEN
            INSERT INTO cmn_classifier.item (s_caption, b_excluded)
            VALUES (NEW.nom, 0) RETURNING id INTO grp;
        END IF;
    END IF;
    IF TG_OP = 'INSERT' THEN
        INSERT INTO cmn_gds_and_srv.gds_and_srv (id, s_caption, s_description, id_msm_bs, massa, id_class_item)
        VALUES (coalesce(NEW.id, nextval('cmn_gds_and_srv.gds_and_srv_id_seq')),
                NEW.marka, '', 6, NEW.massa, grp)
        RETURNING id INTO NEW.id;
    ELSE
        UPDATE cmn_gds_and_srv.gds_and_srv
           SET id = NEW.id, s_caption = NEW.marka, massa = NEW.massa, id_class_item = grp
         WHERE id = OLD.id;
    END IF;
    RETURN NEW;
END $$;

CREATE TRIGGER izdel_write
    INSTEAD OF INSERT OR UPDATE OR DELETE ON accounts_dep.izdel
    FOR EACH ROW EXECUTE FUNCTION accounts_dep.izdel_write();

-- Money of the utility-work journal per worker, nomenclature group and date.
CREATE VIEW accounts_dep.v_nom_f AS
SELECT f.id_p,
       f.id_nom,
       f.d_date,
       sum(f.cnt * f.price) AS f_sum
  FROM accounts_dep.fatigue f
 GROUP BY f.id_p, f.id_nom, f.d_date;

-- Money of the shift journal per worker, nomenclature group of the product and date.
CREATE VIEW accounts_dep.v_nom_s AS
SELECT s.w_id                                      AS id_p,
       g.id_class_item                             AS id_nom,
       s.data                                      AS d_date,
       sum((s.kol_vo - s.brak) * s.cena::numeric)  AS f_sum
  FROM accounts_dep.smena s
  JOIN cmn_gds_and_srv.gds_and_srv g ON g.id = s.i_id
 GROUP BY s.w_id, g.id_class_item, s.data;
